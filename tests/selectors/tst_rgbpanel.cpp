#include <QTest>

class TestRgbpanel : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestRgbpanel)
#include "tst_rgbpanel.moc"
