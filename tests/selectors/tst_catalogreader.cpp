#include <QTest>

class TestCatalogreader : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestCatalogreader)
#include "tst_catalogreader.moc"
