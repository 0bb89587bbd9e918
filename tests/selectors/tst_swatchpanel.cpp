#include <QTest>

class TestSwatchpanel : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestSwatchpanel)
#include "tst_swatchpanel.moc"
