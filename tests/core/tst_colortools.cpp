#include "core/apca.h"
#include "core/colordifference.h"
#include "core/colorvision.h"
#include "core/harmonies.h"
#include "core/passingcolor.h"

#include <QTest>

#include <cmath>

using namespace Tintora;

class TestColorTools : public QObject
{
    Q_OBJECT

    // A colour as people write it, 0xRRGGBB.
    static ColorValue rgb(int hex) { return colorValue(hex >> 16, (hex >> 8) & 0xFF, hex & 0xFF); }

private slots:
    // Text on back as the method's reference implementation (apca-w3, 0.0.98G-4g) publishes
    // them, to two decimals; #123 on #234, Lc 1.75 there, falls below the low clip.
    void apca()
    {
        const std::tuple<int, int, double> pairs[] = {
            {0x000000, 0xFFFFFF, 106.04},
            {0xFFFFFF, 0x000000, -107.88},
            {0x888888, 0xFFFFFF, 63.056469930209424},
            {0xFFFFFF, 0x888888, -68.54146436644962},
            {0x112233, 0x223344, 0},
        };
        for (const auto &[text, back, lc] : pairs)
            QCOMPARE(std::round(apcaContrast(rgb(text), rgb(back)) * 100), std::round(lc * 100));
    }

    // A grid of pairs, some that pass already, at both levels: a suggestion passes, and a dense
    // scan of the same path finds no passing colour nearer by ΔE, nor any at all where none is
    // found (on #777777 at AAA). The odd colours make pairs whose nearest colour lies a few byte
    // steps beyond the boundary, where rounding to bytes or CIEDE2000 near black wander.
    void nearestPassing()
    {
        for (const int foreground : {0x3399CC, 0x777777, 0xFFFFFF, 0x1FDBE8, 0x80EEFF, 0xCE1DD9})
            for (const int background : {0x000000, 0x777777, 0x0DACB1, 0x02A4C4, 0xBB7AE4})
                for (const double level : {kAaNormalRatio, kAaaNormalRatio}) {
                    const ColorValue text = rgb(foreground), back = rgb(background);
                    const Lch lch = toOklch(text);
                    double nearest = INFINITY;
                    for (int i = 0; i <= 4000; ++i) {
                        const ColorValue color = fromOklch({i / 4000.0, lch.C, lch.h});
                        if (contrastOf(color, back).ratio >= level)
                            nearest = std::min(nearest, ciede2000(toLab(text), toLab(color)));
                    }
                    const auto found = nearestPassingColor(text, back, level);
                    QVERIFY2(found ? found->ratio >= level
                                     && found->ratio == contrastOf(found->color, back).ratio
                                     && found->deltaE == ciede2000(toLab(text), toLab(found->color))
                                     && found->deltaE <= nearest
                                   : nearest == INFINITY,
                             qPrintable(htmlNumber(text) + u'/' + htmlNumber(back) + u' '
                                        + QString::number(level)));
                }
    }

    // Each harmony turns the OKLCH hue of #3399CC by its angles (to the nearest 5°).
    void harmonies()
    {
        const std::pair<Harmony, QList<long>> harmonies[] = {
            {Harmony::Complementary, {180}},     {Harmony::Analogous, {330, 30}},
            {Harmony::Triadic, {120, 240}},      {Harmony::SplitComplementary, {150, 210}},
            {Harmony::Tetradic, {90, 180, 270}},
        };
        const double hue = toOklch(rgb(0x3399CC)).h;
        for (const auto &[harmony, turns] : harmonies) {
            QList<long> actual;
            for (const Swatch &s : harmonyOf(rgb(0x3399CC), harmony))
                actual.append(5 * std::lround(std::fmod(toOklch(s.color).h - hue + 360, 360) / 5));
            QCOMPARE(actual, turns);
        }
    }

    // Tints and shades step evenly in OKLCH lightness towards white and black, stopping short of
    // them; tones step evenly in chroma towards the grey of the same lightness.
    void variations()
    {
        const Lch base = toOklch(rgb(0x3399CC));
        const QList<Swatch> tints = variationsOf(rgb(0x3399CC), Variation::Tints);
        const QList<Swatch> shades = variationsOf(rgb(0x3399CC), Variation::Shades);
        const QList<Swatch> tones = variationsOf(rgb(0x3399CC), Variation::Tones);
        QVERIFY(tints.size() == 5 && shades.size() == 5 && tones.size() == 5);
        for (int i = 0; i < 5; ++i) {
            const double t = (i + 1) / 6.0;
            const Lch tone = toOklch(tones[i].color);
            QVERIFY(std::fabs(toOklch(tints[i].color).L - (base.L + (1 - base.L) * t)) < 0.01);
            QVERIFY(std::fabs(toOklch(shades[i].color).L - base.L * (1 - t)) < 0.01);
            QVERIFY(qAbs(tone.C - base.C * (1 - t)) < 0.01 && qAbs(tone.L - base.L) < 0.01);
        }
    }

    // Red, green and blue show the columns of Machado's matrices, clipped and encoded; each row
    // adds up to 1, so white stays white. Achromatopsia shows the relative luminance as a grey.
    void colorVision()
    {
        const std::tuple<ColorVision, QList<int>> primaries[] = {
            {ColorVision::Protanopia, {0x6D5F00, 0xFFE500, 0x0059FF}},
            {ColorVision::Deuteranopia, {0xA39000, 0xEFD63A, 0x003DFB}},
            {ColorVision::Tritanopia, {0xFF000F, 0x00F7D9, 0x006B96}},
            {ColorVision::Achromatopsia, {0x7F7F7F, 0xDCDCDC, 0x4C4C4C}},
        };
        for (const auto &[vision, seen] : primaries) {
            QList<int> actual;
            for (const int color : {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF})
                actual.append(simulateColorVision(rgb(color), vision));
            QCOMPARE(actual, QList<int>({rgb(seen[0]), rgb(seen[1]), rgb(seen[2]), kWhite}));
        }
        // Both colours of a pair are seen so: red on blue, 2.15:1 to most people.
        const Contrast protanope = contrastUnder(ColorVision::Protanopia, rgb(0xFF0000), rgb(0xFF));
        QCOMPARE(qRound(protanope.ratio * 1e4), 11782);
    }
};

QTEST_APPLESS_MAIN(TestColorTools)
#include "tst_colortools.moc"
