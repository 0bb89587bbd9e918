#include <QTest>

class TestReset : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestReset)
#include "tst_reset.moc"
