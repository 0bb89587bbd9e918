#include "drawing.h"

#include <QFile>
#include <QFontInfo>
#include <QTest>

using namespace Tintora;

static QImage committed(const QString &fileName)
{
    return QImage(QStringLiteral(TINTORA_SOURCE_DIR "/pictures/") + fileName);
}

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void filesMatchDrawing_data();
    void filesMatchDrawing();
};

void TestPictures::filesMatchDrawing_data()
{
    QTest::addColumn<QString>("fileName");
    const QStringList names = pictureFileNames() + desktopIconFileNames();
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

// The committed files must be what the drawing code makes now, so neither can drift.
void TestPictures::filesMatchDrawing()
{
    QFETCH(QString, fileName);
    const QImage file = committed(fileName);
    const bool text = fileName == u"banner.png" || fileName.startsWith(u"badge-");
    if (text && QFontInfo(QFont(preferredFontFamily())).family() != preferredFontFamily())
        QSKIP("the text pictures were drawn with a font this machine lacks");
    QCOMPARE(drawPicture(fileName).convertToFormat(QImage::Format_ARGB32),
             file.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
