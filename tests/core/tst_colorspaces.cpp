#include "core/colorspaces.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <cmath>
#include <functional>

using namespace Tintora;

using Triple = std::array<double, 3>;

class TestColorSpaces : public QObject
{
    Q_OBJECT

private slots:
    // Published values: CIELAB D50 of sRGB red as CSS Color 4 converts it, OKLab and OKLCH of red
    // from Ottosson's reference implementation; a white has no hue.
    void referenceValues()
    {
        const auto lab = [](Srgb c) {
            const Lab v = rgbToLabD50(c);
            return Triple {v.L, v.a, v.b};
        };
        const auto oklab = [](Srgb c) {
            const Lab v = rgbToOklab(c);
            return Triple {v.L, v.a, v.b};
        };
        const auto oklch = [](Srgb c) {
            const Lch v = toPolar(rgbToOklab(c));
            return Triple {v.L, v.C, v.h};
        };
        const auto hwb = [](Srgb c) {
            const Hwb v = rgbToHwb(c);
            return Triple {v.hue, v.whiteness, v.blackness};
        };
        const std::tuple<std::function<Triple(Srgb)>, ColorValue, Triple, double> cases[]
            = {{lab, 0xFF, {54.2905, 80.8049, 69.891}, 1e-3},
               {lab, kWhite, {100, 0, 0}, 1e-3},
               {oklab, 0xFF, {0.627955, 0.224863, 0.125846}, 1e-5},
               {oklch, 0xFF, {0.62796, 0.25768, 29.2339}, 1e-4},
               {oklch, kWhite, {1, 0, 0}, 1e-4},
               {hwb, colorValue(51, 153, 204), {200, 0.2, 0.2}, 1e-9}};
        for (const auto &[convert, color, expected, tolerance] : cases) {
            const Triple actual = convert(toRgb(color));
            for (int i = 0; i < 3; ++i)
                QVERIFY2(std::fabs(actual[i] - expected[i]) < tolerance,
                         qPrintable(QStringLiteral("%1: %2 %3 %4")
                                        .arg(color)
                                        .arg(actual[0])
                                        .arg(actual[1])
                                        .arg(actual[2])));
        }
    }

    // Every space gives back the colour it was given, for the corners of the cube and a fixed
    // sample of colours.
    void roundTrips()
    {
        QRandomGenerator random(4682);
        QList<ColorValue> colors {kBlack, kWhite, 0xFF, 0xFF0000, 1, 0x100};
        for (int i = 0; i < 2000; ++i)
            colors.append(ColorValue(random.bounded(16777216)));
        for (const ColorValue color : std::as_const(colors)) {
            const Srgb rgb = toRgb(color);
            for (const Srgb &back :
                 {labD50ToRgb(rgbToLabD50(rgb)), oklabToRgb(fromPolar(toPolar(rgbToOklab(rgb)))),
                  hslToRgb(rgbToHsl(rgb)), hsvToRgb(rgbToHsv(rgb)), hwbToRgb(rgbToHwb(rgb))})
                QCOMPARE(toColorValue(back), color);
        }
    }

    // A colour outside sRGB keeps its OKLCH lightness and hue, within a just noticeable
    // difference, and comes out inside; one inside stays; one lighter than white is white.
    void gamutMapping()
    {
        const Srgb vivid = oklabToRgb(fromPolar({0.7, 0.4, 150}));
        QVERIFY(!inSrgbGamut(vivid));
        const Srgb mapped = gamutMap(vivid);
        const Lch lch = toPolar(rgbToOklab(mapped));
        QVERIFY(inSrgbGamut(mapped));
        QVERIFY2(std::fabs(lch.L - 0.7) < 0.02 && std::fabs(lch.h - 150) < 5,
                 qPrintable(QStringLiteral("%1 %2").arg(lch.L).arg(lch.h)));
        QCOMPARE(toColorValue(gamutMap(toRgb(0x336699))), 0x336699);
        QCOMPARE(toColorValue(gamutMap(oklabToRgb({1.2, 0, 0}))), kWhite);
    }
};

QTEST_APPLESS_MAIN(TestColorSpaces)
#include "tst_colorspaces.moc"
