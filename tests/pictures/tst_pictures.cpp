#include <QTest>

class TestPictures : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
