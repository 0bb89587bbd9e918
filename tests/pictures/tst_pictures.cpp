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
    void swatchSamples_data();
    void swatchSamples();
    void greyRampRows_data();
    void greyRampRows();
    void bannerCornersTransparent();
    void desktopIconsAgree_data();
    void desktopIconsAgree();
    void greyBadgesNeutral_data();
    void greyBadgesNeutral();
};

void TestPictures::filesMatchDrawing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("size");
    const QStringList names = pictureFileNames();
    QCOMPARE(names.size(), 18);
    const QHash<QString, QSize> sizes {{QStringLiteral("icon.png"), {32, 32}},
                                       {QStringLiteral("banner.png"), {311, 42}},
                                       {QStringLiteral("swatch-colors.png"), {158, 110}},
                                       {QStringLiteral("swatch-greys.png"), {207, 120}}};
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name << sizes.value(name, QSize(50, 21));
    for (int size : desktopIconSizes) {
        const QString name = QStringLiteral("icon-%1.png").arg(size);
        QTest::newRow(qPrintable(name)) << name << QSize(size, size);
    }
}

// The committed files must be what the drawing code makes now, so neither can drift.
void TestPictures::filesMatchDrawing()
{
    QFETCH(QString, fileName);
    QFETCH(QSize, size);
    const QImage file = committed(fileName);
    QCOMPARE(file.size(), size);
    const bool text = fileName == u"banner.png" || fileName.startsWith(u"badge-");
    if (text && QFontInfo(QFont(preferredFontFamily())).family() != preferredFontFamily())
        QSKIP("the text pictures were drawn with a font this machine lacks");
    QCOMPARE(drawPicture(fileName).convertToFormat(QImage::Format_ARGB32),
             file.convertToFormat(QImage::Format_ARGB32));
}

void TestPictures::swatchSamples_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("tolerance"); // per byte: the dither may move a pixel a little
    const struct
    {
        int x, y, r, g, b;
    } samples[] = {{0, 0, 236, 22, 4},      {30, 0, 228, 246, 4},   {60, 0, 4, 246, 36},
                   {90, 0, 4, 246, 236},    {120, 0, 12, 6, 244},   {150, 0, 236, 6, 244},
                   {157, 0, 244, 6, 212},   {79, 55, 28, 214, 148}, {0, 109, 156, 102, 84},
                   {157, 109, 148, 90, 148}};
    for (const auto &s : samples)
        QTest::addRow("spectrum %d,%d", s.x, s.y)
            << "swatch-colors.png" << QPoint(s.x, s.y) << QColor(s.r, s.g, s.b) << 4;
    QTest::newRow("grey ramp 0,0")
        << "swatch-greys.png" << QPoint(0, 0) << QColor(252, 254, 252) << 0;
}

void TestPictures::swatchSamples()
{
    QFETCH(QString, fileName);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QFETCH(int, tolerance);
    const QImage image = committed(fileName);
    // Both swatches are dithered onto a palette of at most 256 colours.
    QVERIFY(image.format() == QImage::Format_Indexed8 && image.colorCount() <= 256);
    const QColor got = image.pixelColor(at);
    for (int off :
         {got.red() - colour.red(), got.green() - colour.green(), got.blue() - colour.blue()})
        QVERIFY2(std::abs(off) <= tolerance, qPrintable(got.name()));
}

void TestPictures::greyRampRows_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<double>("grey"); // the mean of the first row
    const double table[] = {252, 247, 235, 209, 184, 149, 113, 76, 62, 34, 27, 18, 13, 9, 7};
    for (int i = 0; i < 15; ++i)
        QTest::addRow("rows %d to %d", i * 8, i * 8 + 7) << i * 8 << table[i];
}

// Every pixel is grey with a green leaning by two; every eighth row steps to the next level.
void TestPictures::greyRampRows()
{
    QFETCH(int, first);
    QFETCH(double, grey);
    const QImage image = committed(QStringLiteral("swatch-greys.png"));
    double sum = 0;
    for (int y = first; y < first + 8; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY(qRed(p) == qBlue(p) && std::abs(qGreen(p) - qRed(p)) == 2);
            if (y == first)
                sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
        }
    }
    QVERIFY2(std::abs(sum / image.width() - grey) <= 4, qPrintable(QString::number(sum)));
}

void TestPictures::bannerCornersTransparent()
{
    for (const QPoint corner : {QPoint(0, 0), QPoint(310, 0), QPoint(0, 41), QPoint(310, 41)})
        QCOMPARE(committed(QStringLiteral("banner.png")).pixelColor(corner).alpha(), 0);
}

void TestPictures::greyBadgesNeutral_data()
{
    QTest::addColumn<Badge>("badge");
    for (Badge badge : allBadges)
        QTest::newRow(qPrintable(badgeFileName(badge, true))) << badge;
}

// The picture of a disabled button is the same shape in neutral greys.
void TestPictures::greyBadgesNeutral()
{
    QFETCH(Badge, badge);
    const QImage coloured = committed(badgeFileName(badge, false));
    const QImage grey = committed(badgeFileName(badge, true));
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            const QColor g = grey.pixelColor(x, y), c = coloured.pixelColor(x, y);
            QCOMPARE(g.alpha(), c.alpha());
            QVERIFY(g.red() == g.green() && g.green() == g.blue());
        }
    }
}

void TestPictures::desktopIconsAgree_data()
{
    QTest::addColumn<int>("size");
    for (int size : desktopIconSizes)
        QTest::addRow("%d px", size) << size;
}

// Every size of the icon shows the same four stripes as the window's own icon and the scalable
// version, each a quarter of the width; the scalable file is what the drawing code writes now.
void TestPictures::desktopIconsAgree()
{
    QFETCH(int, size);
    const QImage icon = committed(QStringLiteral("icon-%1.png").arg(size));
    const QImage window = committed(QStringLiteral("icon.png"));
    for (int stripe = 0; stripe < 4; ++stripe) {
        for (int x : {stripe * size / 4, (stripe + 1) * size / 4 - 1}) {
            QCOMPARE(icon.pixel(x, size - 1), window.pixel(stripe * 8, 31));
            QCOMPARE(icon.pixel(x, 0), window.pixel(stripe * 8 + 7, 0));
        }
    }
    QFile svg(QStringLiteral(TINTORA_SOURCE_DIR "/pictures/icon.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QCOMPARE(svg.readAll(), drawIconSvg());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
