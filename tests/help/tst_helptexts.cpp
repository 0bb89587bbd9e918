#include <QTest>

class TestHelptexts : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestHelptexts)
#include "tst_helptexts.moc"
