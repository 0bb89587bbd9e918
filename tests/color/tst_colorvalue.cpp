#include <QTest>

class TestColorvalue : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestColorvalue)
#include "tst_colorvalue.moc"
