// Taking a colour in: the parser of every notation, the catalogue search by name, and the
// nearest colour of a list by CIEDE2000.

#include "core/catalogsearch.h"
#include "core/colordifference.h"
#include "core/colorfinder.h"
#include "core/colorparser.h"
#include "core/qbcolors.h"

#include <QFile>
#include <QTest>

#include <tuple>

using namespace Tintora;
using namespace Qt::StringLiterals;
using enum Tintora::Notation;

namespace {

constexpr int kNoColor = -1;
// A box without a bare form of its own: only the unambiguous forms.
constexpr Notation Only = Unambiguous;
// Added to a colour: the text's alpha was dropped, the colour was brought into sRGB.
constexpr int kAlpha = 1 << 24;
constexpr int kMapped = 1 << 25;

int flagged(const ParsedColor &parsed)
{
    return parsed.color | (parsed.alphaDropped ? kAlpha : 0) | (parsed.gamutMapped ? kMapped : 0);
}

// Colours as style sheets write them, 0xRRGGBB.
constexpr int web(int rgb)
{
    return colorValue(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// clang-format off
constexpr std::tuple<Notation, const char *, int> kCases[] = {
    // Each box's own bare form, refused where it is not the box's form (\uFF11: full-width digits).
    {Html, "3399cc", web(0x3399CC)}, {Html, " 33 99 CC\n", web(0x3399CC)}, {Html, "39C", kNoColor},
    {Html, "13408563", kNoColor}, {Decimal, "123456", 123456}, {Decimal, "13408563", web(0x3399CC)},
    {Decimal, "16 777 215", kWhite}, {Decimal, "16777216", kNoColor}, {Decimal, "-1", kNoColor},
    {Decimal, "1e3", kNoColor}, {Decimal, "3399CC", kNoColor}, {Decimal, "\uFF11\uFF12", kNoColor},
    {Rgb, "51,153,204", web(0x3399CC)}, {Rgb, "51 153\t204", web(0x3399CC)},
    {Rgb, "3399CC", kNoColor}, {Rgb, "51,153,204,0", kNoColor}, {Only, "3399CC", kNoColor},
    // The unambiguous forms, in every box. Halves round up, not to even: 30% of 255 is
    // 76.5, read as 77. The long s in "h\u017Fl" folds to "s" but is no ASCII letter.
    {Only, "#3399CC", web(0x3399CC)}, {Decimal, "#3399cc", web(0x3399CC)},
    {Only, "# 33 99 cc ", web(0x3399CC)}, {Html, "#39c", web(0x3399CC)}, {Only, "#12345", kNoColor},
    {Only, "#12345G", kNoColor}, {Only, "RGB(51,153,204)", web(0x3399CC)},
    {Decimal, "rgb( 51 , 153 , 204 )", web(0x3399CC)}, {Html, "Rgb (51 153 204)", web(0x3399CC)},
    {Only, "rgb(20%, 60%, 80%)", web(0x3399CC)}, {Only, "rgb(30%, 0%, 100%)", web(0x4D00FF)},
    {Only, "rgb(33.3%, 255, 0)", web(0x55FF00)}, {Only, "rgb(256,0,0)", kNoColor},
    {Only, "rgb(100.1%,0,0)", kNoColor}, {Only, "rgb(1.5,2,3)", kNoColor},
    {Only, "rgb(1,2)", kNoColor}, {Only, "rgb(1,,2,3)", kNoColor}, {Only, "rgb(1 2, 3)", kNoColor},
    {Only, "rgb(1,2,3", kNoColor},
    {Rgb, "hsl(200, 60%, 50%)", web(0x3399CC)}, {Only, "HSL(-160,60%,50%)", web(0x3399CC)},
    {Only, "hsl(560 60% 50%)", web(0x3399CC)}, {Only, "hsl(0, 0%, 30%)", web(0x4D4D4D)},
    {Only, "hsl(0.5, 100%, 50%)", web(0xFF0200)}, {Only, "hsl(200, 60, 50)", kNoColor},
    {Only, "hsl(nan, 60%, 50%)", kNoColor}, {Only, "h\u017Fl(200, 60%, 50%)", kNoColor},
    {Rgb, "steelblue", web(0x4682B4)}, {Only, " Steel Blue ", web(0x4682B4)},
    {Html, "grey", web(0x808080)}, {Only, "steelblu", kNoColor}, {Only, " \t", kNoColor},
    // Clipboard text: the unambiguous forms, then hex, three components, a colour value.
    {Any, "123456", web(0x123456)}, {Any, "1 2 3", web(0x010203)}, {Any, "13408563", web(0x3399CC)},
    {Any, "255", web(0xFF0000)}, {Any, "olive", web(0x808000)}, {Any, "hello", kNoColor},
    // Style sheets' forms: alpha after a comma or a slash, dropped below 1; "none" is 0, in the
    // blank-separated form only; hue units; a slash needs its operand and no commas around.
    {Only, "rgb(51 153 204 / 50%)", web(0x3399CC) | kAlpha},
    {Only, "rgba(51,153,204,1)", web(0x3399CC)}, {Only, "rgb(none 153 204)", web(0x0099CC)},
    {Only, "hsla(200, 60%, 50%, .5)", web(0x3399CC) | kAlpha},
    {Only, "hsl(200 60 50/none)", web(0x3399CC) | kAlpha}, {Only, "rgb(none, 153, 204)", kNoColor},
    {Only, "rgb(51 153 204 /)", kNoColor}, {Only, "rgb(51, 153, 204 / 1)", kNoColor},
    {Only, "rgb(51 153 / 204)", kNoColor}, {Only, "hsl(200 60% 50% / 1.5)", kNoColor},
    {Only, "hsl(0.5turn 60% 50%)", web(0x33CCCC)}, {Only, "hsl(200grad, 60%, 50%)", web(0x33CCCC)},
    {Only, "hsl(3.1416RAD 60% 50%)", web(0x33CCCC)}, {Only, "hsl(-160deg 60% 50%)", web(0x3399CC)},
    {Only, "hsl(200deg, 60, 50%)", kNoColor}, {Only, "hsl(200turns 60% 50%)", kNoColor},
    {Only, "hwb(200 20% 20%)", web(0x3399CC)}, {Only, "hwb(200, 20%, 20%)", kNoColor},
    // CIELAB and OKLab: sRGB red as published, white at 100%, none for a missing component,
    // lightness within range, no negative chroma; beyond sRGB mapped, not clipped, to white.
    {Only, "lab(54.29 80.8 69.89)", web(0xFF0000)}, {Only, "lab(100% 0 0)", kWhite},
    {Only, "lch(54.29% 106.84 40.86deg)", web(0xFF0000)}, {Only, "lab(50 none 0)", web(0x777777)},
    {Only, "lab(101 0 0)", kNoColor}, {Only, "lab(50, 0, 0)", kNoColor},
    {Only, "oklab(0.62796 0.22486 0.12585)", web(0xFF0000)},
    {Only, "oklch(0.62796 0.25768 29.23)", web(0xFF0000)},
    {Only, "oklch(45.2% 78.3% 264.05)", web(0x0000FF)}, {Only, "oklch(0.5 -0.1 0)", kNoColor},
    {Only, "oklch(1 0.3 0)", kWhite | kMapped}, {Only, "OKLAB(1.1 0 0)", kNoColor},
    // Hexadecimal with alpha; 0x with six digits in HTML order, with eight a colour value.
    {Html, "#39CF", web(0x3399CC)}, {Only, "#3399CC80", web(0x3399CC) | kAlpha},
    {Only, "#3399CC8", kNoColor}, {Decimal, "0x3399cc", web(0x3399CC)},
    {Only, "0X00CC9933", web(0x3399CC)}, {Only, "0xFF3399CC", kNoColor}, {Only, "0x39C", kNoColor},
    // A declaration or line gives its first colour: not an address, key, class or variable.
    {Only, "color: #1e90ff;", web(0x1E90FF)},
    {Html, "--brand: oklch(62.8% 0.25768 29.23);", web(0xFF0000)},
    {Only, "background: url(#fff) tan", web(0xD2B48C)},
    {Rgb, ".red { black: $tan; color: Navy }", web(0x000080)},
    {Only, "it is blue-green", kNoColor}, {Only, "&#160;", kNoColor},
};
// clang-format on

} // namespace

class TestColorInput : public QObject
{
    Q_OBJECT

private slots:
    void parse()
    {
        for (const auto &[notation, text, expected] : kCases) {
            const auto parsed = parseColorText(QString::fromUtf8(text), notation);
            const int color = parsed ? flagged(*parsed) : kNoColor;
            QVERIFY2(
                color == expected,
                qPrintable(QString::asprintf("%s in box %d gives %d", text, int(notation), color)));
        }
    }

    // Every colour of a text in order, none from a class, variable, address, character reference
    // or longer word, at most kMaxColorsFound; a box takes the first of a text within its limit.
    void findInText()
    {
        const FoundColors found
            = findColors(u".red { color: #F00; background: url(#fff) linear-gradient(steelblue, "
                         "rgb(0 0 255 / 50%)) }\n$tan: 0x00FF00 &#160; red-orange Navy"_s);
        QList<int> colors;
        for (const ParsedColor &color : found.colors)
            colors.append(flagged(color));
        QCOMPARE(colors,
                 QList<int>({web(0xFF0000), web(0x4682B4), web(0x0000FF) | kAlpha, web(0x00FF00),
                             web(0x000080)}));
        const FoundColors many = findColors(u"red "_s.repeated(kMaxColorsFound + 1));
        QVERIFY(!found.truncated && many.truncated && many.colors.size() == kMaxColorsFound);
        for (const qsizetype length : {kMaxColorTextLength, kMaxColorTextLength + 1}) {
            const QString text = u"red"_s + QString(length - 4, u' ') + u'x';
            QCOMPARE(parseColor(text, Only).has_value(), length == kMaxColorTextLength);
        }
    }

    void catalogSearch()
    {
        const QStringList names
            = u"Yellow C|4850 C|Warm Gray 10 C|Warm Gray 1 C|Black 2 C|Black|485 C"_qs.split(u'|');
        // A whole number or whole words first, not a longer number; a whole name before an earlier
        // word match; case and blank runs do not matter; only the start of a name counts.
        const std::pair<const char *, int> cases[] = {
            {"485", 6},  {"warm gray 1", 3}, {" WARM  gray 10 c ", 2}, {"black", 5},   {"yel", 0},
            {"4850", 1}, {"Gray", kNoColor}, {"485 CX", kNoColor},     {" ", kNoColor}};
        for (const auto &[text, expected] : cases)
            QCOMPARE(findCatalogEntry(QString::fromUtf8(text), names).value_or(kNoColor), expected);
    }

    // Sharma, Wu and Dalal's published pairs: L, a, b of each colour and their difference to four
    // decimals, both ways round.
    void referencePairs()
    {
        QFile file(QStringLiteral(TINTORA_SOURCE_DIR "/tests/core/ciede2000-pairs.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        int pairs = 0;
        for (const QByteArray &line : file.readAll().split('\n')) {
            QList<double> v;
            bool numbers = true;
            for (const QByteArray &field : line.split(','))
                v.append(numbers ? field.toDouble(&numbers) : 0);
            if (!numbers || v.size() != 7)
                continue;
            ++pairs;
            const double forth = ciede2000({v[0], v[1], v[2]}, {v[3], v[4], v[5]});
            QVERIFY2(qRound(forth * 10000) == qRound(v[6] * 10000), line.constData());
            QCOMPARE(ciede2000({v[3], v[4], v[5]}, {v[0], v[1], v[2]}), forth);
        }
        QCOMPARE(pairs, 34);
    }

    // Published coordinates to one decimal: white shows the white point, red and blue the byte
    // order, dark grey the linear foot of the sRGB curve.
    void lab()
    {
        const auto rounded = [](ColorValue color) {
            const Lab lab = toLab(color);
            return QList<int> {qRound(lab.L * 10), qRound(lab.a * 10), qRound(lab.b * 10)};
        };
        QCOMPARE(rounded(kWhite), QList<int>({1000, 0, 0}));
        QCOMPARE(rounded(colorValue(255, 0, 0)), QList<int>({532, 801, 672}));
        QCOMPARE(rounded(colorValue(0, 0, 255)), QList<int>({323, 792, -1079}));
        QCOMPARE(rounded(colorValue(10, 10, 10)), QList<int>({27, 0, 0}));
    }

    void nearest()
    {
        const QList<ColorValue> qb(kQbColors.begin(), kQbColors.end());
        // Each: the list, the colour searched for, the entry expected and whether it is exact. By
        // RGB distance the third would find grey, 8; of equal entries the first counts.
        // clang-format off
    const std::tuple<QList<ColorValue>, ColorValue, int, bool> cases[] = {
        {qb, kQbColors[9], 9, true}, {qb, colorValue(250, 250, 250), 15, false},
        {qb, colorValue(139, 251, 86), 10, false}, {{kBlack, kWhite, kWhite}, kWhite, 1, true},
        {{}, kWhite, -1, false}};
        // clang-format on
        for (const auto &[colors, color, index, exact] : cases) {
            const NearestColor found = NearestColorSearch(colors).nearest(color);
            QCOMPARE(std::pair(found.index, found.exact), std::pair(index, exact));
            if (index >= 0)
                QCOMPARE(found.deltaE, ciede2000(toLab(color), toLab(colors[index])));
        }
        QCOMPARE(nearestQbColor(colorValue(139, 251, 86)).index, 10);
    }
};

QTEST_APPLESS_MAIN(TestColorInput)
#include "tst_colorinput.moc"
