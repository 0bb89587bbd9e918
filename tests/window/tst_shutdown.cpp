#include <QTest>

class TestShutdown : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
