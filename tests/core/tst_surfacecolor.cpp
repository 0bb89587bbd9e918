#include "core/surfacecolor.h"

#include <QImage>
#include <QTest>

using namespace Tintora;

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

    // 4 x 3 pixels of one colour but for one, which a swapped x and y would miss.
    QImage rgb(4, 3, QImage::Format_RGB32);
    rgb.fill(qRgb(1, 2, 3));
    rgb.setPixel(2, 1, qRgb(12, 101, 200));
    const ColorValue pixel = 12 + 256 * 101 + 65536 * 200;
    QTest::newRow("image pixel") << rgb << QSize(6, 5) << QPoint(2, 1) << pixel;
    // The colour from the palette, not the pixel's index.
    QTest::newRow("palette colour")
        << rgb.convertToFormat(QImage::Format_Indexed8) << QSize(6, 5) << QPoint(2, 1) << pixel;
    QTest::newRow("right of the image") << rgb << QSize(6, 5) << QPoint(4, 1) << 0xC0C0C0;
    QTest::newRow("below the image") << rgb << QSize(6, 5) << QPoint(2, 3) << 0xC0C0C0;
    QTest::newRow("left of the inner area") << rgb << QSize(6, 5) << QPoint(-1, 0) << -1;
    QTest::newRow("at the inner width") << rgb << QSize(6, 5) << QPoint(6, 0) << -1;
    QTest::newRow("image clipped below") << rgb << QSize(3, 2) << QPoint(2, 2) << -1;
}

void TestSurfaceColor::colorAt()
{
    QFETCH(QImage, image);
    QFETCH(QSize, inner);
    QFETCH(QPoint, point);
    QFETCH(ColorValue, expected);
    QCOMPARE(surfaceColorAt(image, inner, 0xC0C0C0, point), expected);
}

QTEST_APPLESS_MAIN(TestSurfaceColor)
#include "tst_surfacecolor.moc"
