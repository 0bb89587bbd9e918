#include "drawing.h"

#include <QColor>
#include <QFontInfo>
#include <QTest>

#include <algorithm>
#include <array>
#include <set>

using Tintora::Badge;

namespace {

QImage committed(const QString &fileName)
{
    return QImage(QStringLiteral(TINTORA_SOURCE_DIR "/pictures/") + fileName);
}

bool isTextPicture(const QString &fileName)
{
    return fileName == QLatin1String("banner.png") || fileName.startsWith(QLatin1String("badge-"));
}

double luma(QRgb p)
{
    return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
}

int chroma(QRgb p)
{
    return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
}

double rowMeanGrey(const QImage &image, int y)
{
    double sum = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
    }
    return sum / image.width();
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void filesMatchDrawing_data();
    void filesMatchDrawing();
    void swatchesArePaletted_data();
    void swatchesArePaletted();
    void spectrumSamples_data();
    void spectrumSamples();
    void spectrumFadesTowardsGrey_data();
    void spectrumFadesTowardsGrey();
    void greyRampTopLeft();
    void greyRampGreenLeansByTwo();
    void greyRampRowMeans_data();
    void greyRampRowMeans();
    void iconStripes_data();
    void iconStripes();
    void bannerCornersTransparent();
    void bannerRainbow_data();
    void bannerRainbow();
    void bannerShadow();
    void badgeShape_data();
    void badgeShape();
    void badgeLabelStandsOut_data();
    void badgeLabelStandsOut();
    void greyBadgeMatchesColouredShape_data();
    void greyBadgeMatchesColouredShape();
};

void TestPictures::sizes_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon") << "icon.png" << QSize(32, 32);
    QTest::newRow("banner") << "banner.png" << QSize(311, 42);
    QTest::newRow("spectrum") << "swatch-colors.png" << QSize(158, 110);
    QTest::newRow("grey ramp") << "swatch-greys.png" << QSize(207, 120);
    for (bool grey : {false, true})
        for (Badge badge : Tintora::allBadges) {
            const QString name = Tintora::badgeFileName(badge, grey);
            QTest::newRow(qPrintable(name)) << name << QSize(50, 21);
        }
}

void TestPictures::sizes()
{
    QFETCH(QString, fileName);
    QFETCH(QSize, size);
    const QImage image = committed(fileName);
    QVERIFY2(!image.isNull(), qPrintable(fileName));
    QCOMPARE(image.size(), size);
    QCOMPARE(Tintora::drawPicture(fileName).size(), size);
}

void TestPictures::filesMatchDrawing_data()
{
    QTest::addColumn<QString>("fileName");
    const QStringList names = Tintora::pictureFileNames();
    QCOMPARE(names.size(), 18);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

// The committed files must be what the drawing code makes now, so neither can drift.
void TestPictures::filesMatchDrawing()
{
    QFETCH(QString, fileName);
    const QString family = Tintora::preferredFontFamily();
    if (isTextPicture(fileName) && QFontInfo(QFont(family)).family() != family)
        QSKIP("the text pictures were drawn with a font this machine lacks");
    const QImage file = committed(fileName).convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = Tintora::drawPicture(fileName).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(file.size(), drawn.size());
    for (int y = 0; y < file.height(); ++y)
        for (int x = 0; x < file.width(); ++x)
            if (file.pixel(x, y) != drawn.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("%1 differs at %2,%3: file %4, drawn %5")
                                     .arg(fileName)
                                     .arg(x)
                                     .arg(y)
                                     .arg(file.pixel(x, y), 8, 16)
                                     .arg(drawn.pixel(x, y), 8, 16)));
}

void TestPictures::swatchesArePaletted_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("minUsed");
    QTest::newRow("spectrum") << "swatch-colors.png" << 200;
    QTest::newRow("grey ramp") << "swatch-greys.png" << 120;
}

// Both swatches are dithered onto a palette of at most 256 colours, and a good part of that
// palette is really used (a collapsed palette would show bands).
void TestPictures::swatchesArePaletted()
{
    QFETCH(QString, fileName);
    QFETCH(int, minUsed);
    const QImage image = committed(fileName);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY(image.colorCount() <= 256);
    std::set<QRgb> used;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            used.insert(image.pixel(x, y));
    QVERIFY2(int(used.size()) >= minUsed, qPrintable(QString::number(used.size())));
}

void TestPictures::spectrumSamples_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    const struct
    {
        int x, y, r, g, b;
    } samples[] = {{0, 0, 236, 22, 4},      {30, 0, 228, 246, 4},   {60, 0, 4, 246, 36},
                   {90, 0, 4, 246, 236},    {120, 0, 12, 6, 244},   {150, 0, 236, 6, 244},
                   {157, 0, 244, 6, 212},   {79, 55, 28, 214, 148}, {0, 109, 156, 102, 84},
                   {157, 109, 148, 90, 148}};
    for (const auto &s : samples)
        QTest::addRow("%d,%d", s.x, s.y) << QPoint(s.x, s.y) << QColor(s.r, s.g, s.b);
}

void TestPictures::spectrumSamples()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QColor got = QColor::fromRgb(committed(QStringLiteral("swatch-colors.png")).pixel(at));
    const QString message
        = QStringLiteral("got %1,%2,%3").arg(got.red()).arg(got.green()).arg(got.blue());
    QVERIFY2(std::abs(got.red() - colour.red()) <= 4, qPrintable(message));
    QVERIFY2(std::abs(got.green() - colour.green()) <= 4, qPrintable(message));
    QVERIFY2(std::abs(got.blue() - colour.blue()) <= 4, qPrintable(message));
}

void TestPictures::spectrumFadesTowardsGrey_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("greyWeight");
    QTest::newRow("row 8") << 8 << 0.02;
    QTest::newRow("row 24") << 24 << 0.11;
    QTest::newRow("row 40") << 40 << 0.23;
    QTest::newRow("row 56") << 56 << 0.36;
    QTest::newRow("row 72") << 72 << 0.48;
    QTest::newRow("row 88") << 88 << 0.61;
    QTest::newRow("row 104") << 104 << 0.73;
}

// Going down, the colours lose saturation by the given weight while their lightness holds.
// Each column is averaged over five rows first, so the dither pattern does not count.
void TestPictures::spectrumFadesTowardsGrey()
{
    QFETCH(int, row);
    QFETCH(double, greyWeight);
    const QImage image = committed(QStringLiteral("swatch-colors.png"));
    auto bandMeans = [&](int top) {
        double chromaSum = 0, lightnessSum = 0;
        for (int x = 0; x < image.width(); ++x) {
            std::array<double, 3> mean {};
            for (int y = top; y < top + 5; ++y) {
                const QRgb p = image.pixel(x, y);
                mean[0] += qRed(p) / 5.0;
                mean[1] += qGreen(p) / 5.0;
                mean[2] += qBlue(p) / 5.0;
            }
            const auto [lo, hi] = std::minmax_element(mean.begin(), mean.end());
            chromaSum += *hi - *lo;
            lightnessSum += (*hi + *lo) / 510;
        }
        return std::pair(chromaSum / image.width(), lightnessSum / image.width());
    };
    const double topChroma = bandMeans(0).first;
    const auto [rowChroma, rowLightness] = bandMeans(row - 2);
    QVERIFY2(std::abs(rowChroma / topChroma - (1 - greyWeight)) <= 0.06,
             qPrintable(QString::number(rowChroma / topChroma)));
    QVERIFY2(std::abs(rowLightness - 0.48) <= 0.03, qPrintable(QString::number(rowLightness)));
}

void TestPictures::greyRampTopLeft()
{
    QCOMPARE(committed(QStringLiteral("swatch-greys.png")).pixel(0, 0), qRgb(252, 254, 252));
}

void TestPictures::greyRampGreenLeansByTwo()
{
    const QImage image = committed(QStringLiteral("swatch-greys.png"));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) != qBlue(p) || std::abs(qGreen(p) - qRed(p)) != 2)
                QFAIL(qPrintable(QStringLiteral("%1,%2 is %3").arg(x).arg(y).arg(p, 8, 16)));
        }
}

void TestPictures::greyRampRowMeans_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("grey");
    const double table[] = {252, 247, 235, 209, 184, 149, 113, 76, 62, 34, 27, 18, 13, 9};
    for (int i = 0; i < 14; ++i)
        QTest::addRow("row %d", i * 8) << i * 8 << table[i];
    for (int row = 112; row < 120; ++row)
        QTest::addRow("row %d", row) << row << 7.0;
}

// Each row is one level on average, the same on the left and on the right.
void TestPictures::greyRampRowMeans()
{
    QFETCH(int, row);
    QFETCH(double, grey);
    const QImage image = committed(QStringLiteral("swatch-greys.png"));
    QVERIFY2(std::abs(rowMeanGrey(image, row) - grey) <= 4,
             qPrintable(QString::number(rowMeanGrey(image, row))));
    const int half = image.width() / 2;
    const double left = rowMeanGrey(image.copy(0, row, half, 1), 0);
    const double right = rowMeanGrey(image.copy(half, row, half, 1), 0);
    QVERIFY2(std::abs(left - right) <= 2, qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
}

void TestPictures::iconStripes_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red") << 0 << QColor(255, 0, 0);
    QTest::newRow("yellow") << 8 << QColor(255, 255, 0);
    QTest::newRow("green") << 16 << QColor(0, 176, 0);
    QTest::newRow("blue") << 24 << QColor(0, 0, 255);
}

void TestPictures::iconStripes()
{
    QFETCH(int, left);
    QFETCH(QColor, colour);
    const QImage icon = committed(QStringLiteral("icon.png"));
    for (int y = 0; y < icon.height(); ++y)
        for (int x = left; x < left + 8; ++x)
            QCOMPARE(icon.pixel(x, y), colour.rgb());
}

void TestPictures::bannerCornersTransparent()
{
    const QImage banner = committed(QStringLiteral("banner.png"));
    QVERIFY(banner.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(310, 0), QPoint(0, 41), QPoint(310, 41)})
        QCOMPARE(qAlpha(banner.pixel(corner)), 0);
}

void TestPictures::bannerRainbow_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("minHue");
    QTest::addColumn<int>("maxHue");
    QTest::newRow("red at the start") << 0 << 30 << -30 << 30;
    QTest::newRow("yellow to green in the middle") << 120 << 170 << 40 << 150;
    QTest::newRow("blue to violet at the end") << 270 << 311 << 210 << 300;
}

// The letters run through the rainbow from left to right: the median hue of the strongly
// coloured letter pixels in each stretch lies in its part of the colour circle.
void TestPictures::bannerRainbow()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, minHue);
    QFETCH(int, maxHue);
    const QImage banner = committed(QStringLiteral("banner.png"));
    std::vector<int> hues;
    for (int y = 0; y < banner.height(); ++y)
        for (int x = left; x < right; ++x) {
            const QColor c = QColor::fromRgba(banner.pixel(x, y));
            if (c.alpha() == 255 && c.hsvSaturation() > 160 && c.value() > 160)
                hues.push_back(c.hsvHue() > 180 && minHue < 0 ? c.hsvHue() - 360 : c.hsvHue());
        }
    QVERIFY(hues.size() >= 40);
    std::nth_element(hues.begin(), hues.begin() + hues.size() / 2, hues.end());
    const int median = hues[hues.size() / 2];
    QVERIFY2(median >= minHue && median <= maxHue, qPrintable(QString::number(median)));
}

// The letters cast a dark shadow: fully dark pixels lie just below and right of the letters.
void TestPictures::bannerShadow()
{
    const QImage banner = committed(QStringLiteral("banner.png"));
    int dark = 0;
    for (int y = 0; y < banner.height(); ++y)
        for (int x = 0; x < banner.width(); ++x) {
            const QRgb p = banner.pixel(x, y);
            if (qAlpha(p) >= 160 && luma(p) < 60)
                ++dark;
        }
    QVERIFY2(dark >= 300, qPrintable(QString::number(dark)));
}

void TestPictures::badgeShape_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("bubble");
    for (bool grey : {false, true})
        for (Badge badge : Tintora::allBadges) {
            const QString name = Tintora::badgeFileName(badge, grey);
            QTest::newRow(qPrintable(name)) << name << (badge == Badge::Help);
        }
}

// Rounded badges leave their corners transparent; the speech bubble's lower edge is open
// except for its tail.
void TestPictures::badgeShape()
{
    QFETCH(QString, fileName);
    QFETCH(bool, bubble);
    const QImage badge = committed(fileName);
    QVERIFY(badge.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(49, 0), QPoint(0, 20), QPoint(49, 20)})
        QCOMPARE(qAlpha(badge.pixel(corner)), 0);
    QCOMPARE(qAlpha(badge.pixel(25, 3)), 255);
    QCOMPARE(qAlpha(badge.pixel(25, 19)), bubble ? 0 : 255);
}

void TestPictures::badgeLabelStandsOut_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("minContrast");
    for (bool grey : {false, true})
        for (Badge badge : Tintora::allBadges) {
            const QString name = Tintora::badgeFileName(badge, grey);
            QTest::newRow(qPrintable(name)) << name << (grey ? 50 : 100);
        }
}

// The label is drawn in a shade well apart from the badge behind it, over enough pixels to
// be read.
void TestPictures::badgeLabelStandsOut()
{
    QFETCH(QString, fileName);
    QFETCH(int, minContrast);
    const QImage badge = committed(fileName);
    const double background = luma(badge.pixel(3, 8));
    int label = 0;
    for (int y = 2; y < 16; ++y)
        for (int x = 3; x < 47; ++x)
            if (std::abs(luma(badge.pixel(x, y)) - background) >= minContrast)
                ++label;
    QVERIFY2(label >= 20, qPrintable(QString::number(label)));
}

void TestPictures::greyBadgeMatchesColouredShape_data()
{
    QTest::addColumn<Badge>("badge");
    for (Badge badge : Tintora::allBadges)
        QTest::newRow(qPrintable(Tintora::badgeFileName(badge, false))) << badge;
}

// The picture of a disabled button is the same shape in neutral greys; the enabled one is
// coloured.
void TestPictures::greyBadgeMatchesColouredShape()
{
    QFETCH(Badge, badge);
    const QImage coloured = committed(Tintora::badgeFileName(badge, false));
    const QImage grey = committed(Tintora::badgeFileName(badge, true));
    int strongestChroma = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb g = grey.pixel(x, y), c = coloured.pixel(x, y);
            QCOMPARE(qAlpha(g), qAlpha(c));
            QVERIFY(qRed(g) == qGreen(g) && qGreen(g) == qBlue(g));
            if (qAlpha(c) == 255)
                strongestChroma = std::max(strongestChroma, chroma(c));
        }
    QVERIFY2(strongestChroma >= 40, qPrintable(QString::number(strongestChroma)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
