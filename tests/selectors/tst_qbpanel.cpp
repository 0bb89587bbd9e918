#include <QTest>

class TestQbpanel : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestQbpanel)
#include "tst_qbpanel.moc"
