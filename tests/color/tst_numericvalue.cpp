#include <QTest>

class TestNumericvalue : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestNumericvalue)
#include "tst_numericvalue.moc"
