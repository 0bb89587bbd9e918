#include <QTest>

class TestHelppanel : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestHelppanel)
#include "tst_helppanel.moc"
