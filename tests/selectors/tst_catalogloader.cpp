#include <QTest>

class TestCatalogloader : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestCatalogloader)
#include "tst_catalogloader.moc"
