// The notations of a colour: published reference values, the nearest names, and every notation
// of style sheets read back to the colour it was printed from.

#include "core/colordifference.h"
#include "core/colorparser.h"
#include "core/notations.h"

#include <QRandomGenerator>
#include <QTest>

#include <tuple>

using namespace Tintora;
using namespace Qt::StringLiterals;
using N = Tintora::ColorNotation;

namespace {

constexpr ColorValue kRed = 0xFF;
constexpr ColorValue kBlue = 0xFF0000;
constexpr ColorValue kSteel = colorValue(51, 153, 204);

} // namespace

class TestNotations : public QObject
{
    Q_OBJECT

private slots:
    // CIELAB D50 of sRGB red and blue as style sheets give them, OKLab of red and blue as
    // Ottosson published them, white; #3399CC in the other notations.
    void referenceValues()
    {
        const std::tuple<ColorNotation, ColorValue, const char *> cases[] = {
            {N::Hex, kSteel, "#3399CC"},
            {N::Rgb, kSteel, "rgb(51, 153, 204)"},
            {N::Hsl, kSteel, "hsl(200, 60%, 50%)"},
            {N::Hwb, kSteel, "hwb(200 20% 20%)"},
            {N::Hsv, kSteel, "200°, 75%, 80%"},
            {N::Lab, kRed, "lab(54.29 80.8 69.89)"},
            {N::Lch, kRed, "lch(54.29 106.84 40.86)"},
            {N::Lab, kBlue, "lab(29.57 68.29 -112.03)"},
            {N::Lab, kWhite, "lab(100 0 0)"},
            {N::Oklab, kRed, "oklab(62.8% 0.22486 0.12585)"},
            {N::Oklch, kRed, "oklch(62.8% 0.25768 29.23)"},
            {N::Oklch, kBlue, "oklch(45.2% 0.31321 264.05)"},
            {N::Oklch, kWhite, "oklch(100% 0 0)"},
            {N::Decimal, kSteel, "13408563"},
            {N::ColorRef, kSteel, "0x00CC9933"},
        };
        for (const auto &[notation, color, text] : cases)
            QCOMPARE(notationRow(notation, color).text, QString::fromUtf8(text));
        QCOMPARE(notationRow(N::Hex, kSteel).spoken, u"Hexadecimal: red 33, green 99, blue CC"_s);
    }

    // The nearest CSS name: exact, one step off, the first of two names of one colour, the last
    // name; the nearest catalogue entry, whose row is there only with a catalogue.
    void nearestNames()
    {
        const QStringList names {u"Black"_s, u"White"_s, u"485 C"_s};
        const QList<ColorValue> colors {kBlack, kWhite, colorValue(218, 41, 28)};
        const NearestColorSearch search(colors);
        const CatalogNames catalog {&search, &names};
        const std::tuple<ColorNotation, ColorValue, const char *, ColorValue> cases[] = {
            {N::CssName, colorValue(70, 130, 180), "steelblue", colorValue(70, 130, 180)},
            {N::CssName, colorValue(71, 130, 180), "steelblue", colorValue(70, 130, 180)},
            {N::CssName, colorValue(0, 255, 255), "aqua", colorValue(0, 255, 255)},
            {N::CssName, colorValue(154, 205, 50), "yellowgreen", colorValue(154, 205, 50)},
            {N::Catalog, colorValue(218, 41, 30), "485 C", colors[2]},
        };
        for (const auto &[notation, color, name, nearest] : cases) {
            const NotationRow row = notationRow(notation, color, catalog);
            const QString difference
                = u"ΔE "_s + QString::number(ciede2000(toLab(color), toLab(nearest)), 'f', 1);
            QCOMPARE(row.text, QString::fromUtf8(name));
            QCOMPARE(row.note, color == nearest ? u"Exact match"_s : difference);
            QVERIFY2(row.spoken.contains(row.text), qPrintable(row.spoken));
        }
        QCOMPARE(notationRows(kSteel, catalog).last().notation, N::Catalog);
        QCOMPARE(notationRows(kSteel).last().notation, N::CssName);
    }

    // Every notation a style sheet or a box reads gives back the colour it was printed from,
    // nothing dropped or mapped: the corners of the cube and a fixed sample.
    void roundTrip()
    {
        QRandomGenerator random(22);
        QList<ColorValue> colors {kBlack, kWhite, kRed, kBlue, 0xFF00, 0xFFFF00, 0xFF00FF, 0xFFFF};
        for (int i = 0; i < 3000; ++i)
            colors.append(ColorValue(random.bounded(kWhite + 1)));
        for (const ColorValue color : std::as_const(colors)) {
            for (const NotationRow &row : notationRows(color)) {
                if (row.notation == N::Hsv || row.notation == N::Cmyk || row.notation == N::CssName)
                    continue;
                const auto parsed = parseColorText(
                    row.text,
                    row.notation == N::Decimal ? Notation::Decimal : Notation::Unambiguous);
                QVERIFY2(parsed == ParsedColor {color}, qPrintable(row.text));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestNotations)
#include "tst_notations.moc"
