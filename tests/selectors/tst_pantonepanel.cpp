#include <QTest>

class TestPantonepanel : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestPantonepanel)
#include "tst_pantonepanel.moc"
