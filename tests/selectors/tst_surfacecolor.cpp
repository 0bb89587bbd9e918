#include "selectors/surfacecolor.h"

#include <QImage>
#include <QTest>

using namespace Tintora;

namespace {

constexpr ColorValue kBack = 0x00C0C0C0;

// 4 x 3 pixels, each a colour of its own: red from x, green from y, blue fixed.
QImage rgbImage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(10 + x, 100 + y, 200));
    }
    return image;
}

// 2 x 2 pixels whose indices differ from their colours, as in a picture with a palette.
QImage indexedImage()
{
    QImage image(2, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(1, 2, 3), qRgb(250, 128, 7), qRgb(0, 0, 0)});
    image.setPixel(0, 0, 1);
    image.setPixel(1, 0, 0);
    image.setPixel(0, 1, 2);
    image.setPixel(1, 1, 1);
    return image;
}

} // namespace

class TestSurfaceColor : public QObject
{
    Q_OBJECT

private slots:
    void colorAt_data();
    void colorAt();
};

void TestSurfaceColor::colorAt_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QSize>("inner");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<ColorValue>("expected");

    const QImage rgb = rgbImage();
    const QImage indexed = indexedImage();
    const QSize large(6, 5);
    QTest::newRow("top-left pixel") << rgb << large << QPoint(0, 0) << 10 + 256 * 100 + 65536 * 200;
    QTest::newRow("inner pixel") << rgb << large << QPoint(2, 1) << 12 + 256 * 101 + 65536 * 200;
    QTest::newRow("last pixel") << rgb << large << QPoint(3, 2) << 13 + 256 * 102 + 65536 * 200;
    QTest::newRow("right of the image") << rgb << large << QPoint(4, 0) << kBack;
    QTest::newRow("below the image") << rgb << large << QPoint(0, 3) << kBack;
    QTest::newRow("inner lower right, beyond the image") << rgb << large << QPoint(5, 4) << kBack;
    QTest::newRow("no image") << QImage() << large << QPoint(1, 1) << kBack;
    QTest::newRow("left of the inner area") << rgb << large << QPoint(-1, 0) << -1;
    QTest::newRow("above the inner area") << rgb << large << QPoint(0, -1) << -1;
    QTest::newRow("x at the inner width") << rgb << large << QPoint(6, 0) << -1;
    QTest::newRow("y at the inner height") << rgb << large << QPoint(0, 5) << -1;
    QTest::newRow("far outside") << rgb << large << QPoint(-500, 900) << -1;
    QTest::newRow("clipped image, last inner pixel")
        << rgb << QSize(2, 2) << QPoint(1, 1) << 11 + 256 * 101 + 65536 * 200;
    QTest::newRow("clipped image, pixel beyond the inner width")
        << rgb << QSize(2, 2) << QPoint(2, 0) << -1;
    QTest::newRow("clipped image, pixel beyond the inner height")
        << rgb << QSize(2, 2) << QPoint(0, 2) << -1;
    QTest::newRow("empty inner area") << rgb << QSize(0, 0) << QPoint(0, 0) << -1;
    QTest::newRow("palette colour, not the index")
        << indexed << large << QPoint(0, 0) << 250 + 256 * 128 + 65536 * 7;
    QTest::newRow("palette entry 0") << indexed << large << QPoint(1, 0) << 1 + 256 * 2 + 65536 * 3;
    QTest::newRow("palette black") << indexed << large << QPoint(0, 1) << 0;
    QTest::newRow("palette image, beyond it") << indexed << large << QPoint(2, 1) << kBack;
}

void TestSurfaceColor::colorAt()
{
    QFETCH(QImage, image);
    QFETCH(QSize, inner);
    QFETCH(QPoint, point);
    QFETCH(ColorValue, expected);
    QCOMPARE(surfaceColorAt(image, inner, kBack, point), expected);
}

QTEST_APPLESS_MAIN(TestSurfaceColor)
#include "tst_surfacecolor.moc"
