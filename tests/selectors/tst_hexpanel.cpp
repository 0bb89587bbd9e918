#include <QTest>

class TestHexpanel : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestHexpanel)
#include "tst_hexpanel.moc"
