#include <QTest>

class TestWebpreview : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestWebpreview)
#include "tst_webpreview.moc"
