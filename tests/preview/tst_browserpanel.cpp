#include <QTest>

class TestBrowserpanel : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestBrowserpanel)
#include "tst_browserpanel.moc"
