#include "core/notations.h"

#include "core/cmykconverter.h"
#include "core/colordifference.h"
#include "core/colorspaces.h"
#include "core/cssnamedcolors.h"

#include <QCoreApplication>

#include <array>

namespace Tintora {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Tintora::Notations", text);
}

// A number as style sheets print it: at most `decimals` decimals, no trailing zeros, no "-0".
QString number(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text == u"-0" ? QStringLiteral("0") : text;
}

enum class Unit { Plain, Percent, Degrees };

struct Part
{
    const char *name; // spoken
    double value;
    int decimals;
    Unit unit = Unit::Plain;
};

// The decimals of each notation: the fewest with which every 8-bit colour prints to a text that
// reads back to the same colour.
constexpr int kHexconeDecimals = 1; // hue, percentages of HSL, HWB and HSV
constexpr int kLabDecimals = 2;
constexpr int kOkLightnessDecimals = 2; // of the percentage
constexpr int kOkDecimals = 5;
constexpr int kOkHueDecimals = 2;

// The hue of HSL, HWB and HSV, and their other two parts, fractions shown as percentages.
Part hexconeHue(double hue)
{
    return {"hue", hue, kHexconeDecimals, Unit::Degrees};
}
Part percent(const char *name, double fraction)
{
    return {name, fraction * 100, kHexconeDecimals, Unit::Percent};
}

// A row of three parts: "name(a b c)" or "a, b, c", and the spoken "Label: name a, name b ...".
NotationRow partsRow(ColorNotation notation, const QString &label, const QString &spokenLabel,
                     const QString &function, const std::array<Part, 3> &parts)
{
    const bool css = !function.isEmpty();
    QStringList texts;
    QStringList spoken;
    for (const Part &part : parts) {
        const QString value = number(part.value, part.decimals);
        switch (part.unit) {
        case Unit::Plain:
            texts.append(value);
            spoken.append(tr("%1 %2").arg(tr(part.name), value));
            break;
        case Unit::Percent:
            texts.append(value + u'%');
            spoken.append(tr("%1 %2 percent").arg(tr(part.name), value));
            break;
        case Unit::Degrees:
            texts.append(css ? value : value + u'°');
            spoken.append(tr("%1 %2 degrees").arg(tr(part.name), value));
            break;
        }
    }
    // Style sheets keep commas in rgb() and hsl() only, which every browser reads.
    const bool commas = !css || function == u"rgb" || function == u"hsl";
    const QString joined = texts.join(commas ? QStringLiteral(", ") : QStringLiteral(" "));
    return {notation, label, css ? function + u'(' + joined + u')' : joined, QString(),
            tr("%1: %2").arg(spokenLabel, spoken.join(QStringLiteral(", ")))};
}

NotationRow nearestRow(ColorNotation notation, const QString &label, const QString &spokenLabel,
                       const QString &name, const NearestColor &nearest)
{
    const QString difference = number(nearest.deltaE, 1);
    return {notation, label, name, nearest.exact ? tr("Exact match") : tr("ΔE %1").arg(difference),
            nearest.exact
                ? tr("%1: %2, exact match").arg(spokenLabel, name)
                : tr("%1: %2, colour difference delta E %3").arg(spokenLabel, name, difference)};
}

const QList<NamedColor> &namedColors()
{
    static const QList<NamedColor> colors = cssNamedColors();
    return colors;
}

NotationRow cssNameRow(ColorValue color)
{
    static const NearestColorSearch search = [] {
        QList<ColorValue> values;
        for (const NamedColor &named : namedColors())
            values.append(named.color);
        return NearestColorSearch(values);
    }();
    const NearestColor nearest = search.nearest(color);
    return nearestRow(ColorNotation::CssName, tr("CSS name"), tr("Nearest CSS name"),
                      namedColors().at(nearest.index).name, nearest);
}

NotationRow catalogRow(ColorValue color, const CatalogNames &catalog)
{
    const QString label = tr("Catalog");
    if (!catalog.search || !catalog.names)
        return {ColorNotation::Catalog, label, {}, {}, {}};
    const NearestColor nearest = catalog.search->nearest(color);
    if (nearest.index < 0 || nearest.index >= catalog.names->size())
        return {ColorNotation::Catalog, label, {}, {}, {}};
    return nearestRow(ColorNotation::Catalog, label, tr("Nearest catalog entry"),
                      catalog.names->at(nearest.index), nearest);
}

} // namespace

NotationRow notationRow(ColorNotation notation, ColorValue color, const CatalogNames &catalog)
{
    color &= kWhite;
    const Srgb rgb = toRgb(color);
    switch (notation) {
    case ColorNotation::Hex: {
        const QString hex = htmlNumber(color);
        return {notation, tr("Hex"), u'#' + hex, QString(),
                tr("Hexadecimal: red %1, green %2, blue %3")
                    .arg(hex.first(2), hex.sliced(2, 2), hex.sliced(4))};
    }
    case ColorNotation::Rgb:
        return partsRow(notation, tr("RGB"), tr("RGB"), QStringLiteral("rgb"),
                        {Part {"red", double(color & 0xFF), 0},
                         {"green", double(color >> 8 & 0xFF), 0},
                         {"blue", double(color >> 16), 0}});
    case ColorNotation::Hsl: {
        const Hsl c = rgbToHsl(rgb);
        return partsRow(notation, tr("HSL"), tr("HSL"), QStringLiteral("hsl"),
                        {hexconeHue(c.hue), percent("saturation", c.saturation),
                         percent("lightness", c.lightness)});
    }
    case ColorNotation::Hwb: {
        const Hwb c = rgbToHwb(rgb);
        return partsRow(notation, tr("HWB"), tr("HWB"), QStringLiteral("hwb"),
                        {hexconeHue(c.hue), percent("whiteness", c.whiteness),
                         percent("blackness", c.blackness)});
    }
    case ColorNotation::Hsv: {
        const Hsv c = rgbToHsv(rgb);
        return partsRow(
            notation, tr("HSV"), tr("HSV"), QString(),
            {hexconeHue(c.hue), percent("saturation", c.saturation), percent("value", c.value)});
    }
    case ColorNotation::Lab: {
        const Lab lab = rgbToLabD50(rgb);
        return partsRow(notation, tr("Lab"), tr("CIELAB"), QStringLiteral("lab"),
                        {Part {"lightness", lab.L, kLabDecimals},
                         {"a", lab.a, kLabDecimals},
                         {"b", lab.b, kLabDecimals}});
    }
    case ColorNotation::Lch: {
        const Lch lch = toPolar(rgbToLabD50(rgb));
        return partsRow(notation, tr("LCH"), tr("CIE LCH"), QStringLiteral("lch"),
                        {Part {"lightness", lch.L, kLabDecimals},
                         {"chroma", lch.C, kLabDecimals},
                         {"hue", lch.h, kLabDecimals, Unit::Degrees}});
    }
    case ColorNotation::Oklab: {
        const Lab oklab = rgbToOklab(rgb);
        return partsRow(notation, tr("OKLab"), tr("OK Lab"), QStringLiteral("oklab"),
                        {Part {"lightness", oklab.L * 100, kOkLightnessDecimals, Unit::Percent},
                         {"a", oklab.a, kOkDecimals},
                         {"b", oklab.b, kOkDecimals}});
    }
    case ColorNotation::Oklch: {
        const Lch oklch = toPolar(rgbToOklab(rgb));
        return partsRow(notation, tr("OKLCH"), tr("OK LCH"), QStringLiteral("oklch"),
                        {Part {"lightness", oklch.L * 100, kOkLightnessDecimals, Unit::Percent},
                         {"chroma", oklch.C, kOkDecimals},
                         {"hue", oklch.h, kOkHueDecimals, Unit::Degrees}});
    }
    case ColorNotation::Cmyk:
        return {notation, tr("CMYK"), {}, {}, {}};
    case ColorNotation::Decimal: {
        const QString decimal = QString::number(color);
        return {notation, tr("Decimal"), decimal, QString(), tr("Decimal Number %1").arg(decimal)};
    }
    case ColorNotation::ColorRef: {
        const QString hex = QStringLiteral("0x")
            + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
        return {notation, tr("COLORREF"), hex, QString(), tr("Windows COLORREF %1").arg(hex)};
    }
    case ColorNotation::CssName:
        return cssNameRow(color);
    case ColorNotation::Catalog:
        return catalogRow(color, catalog);
    }
    return {notation, {}, {}, {}, {}};
}

QList<NotationRow> notationRows(ColorValue color, const CatalogNames &catalog)
{
    QList<NotationRow> rows;
    for (int n = 0; n <= int(ColorNotation::Catalog); ++n) {
        const auto notation = ColorNotation(n);
        if (notation != ColorNotation::Catalog || (catalog.search && catalog.names))
            rows.append(notationRow(notation, color, catalog));
    }
    return rows;
}

NotationRow cmykRow(ColorValue color, const CmykConverter &converter)
{
    const QString label = tr("CMYK");
    const std::optional<CmykValue> cmyk = converter.convert(color);
    if (!cmyk)
        return {ColorNotation::Cmyk,
                label,
                {},
                converter.problem(),
                tr("%1: %2").arg(label, converter.problem())};
    const std::pair<const char *, double> inks[] = {{"cyan", cmyk->cyan},
                                                    {"magenta", cmyk->magenta},
                                                    {"yellow", cmyk->yellow},
                                                    {"black", cmyk->black}};
    QStringList texts;
    QStringList spoken;
    for (const auto &[name, percent] : inks) {
        const QString value = number(percent, 0);
        texts.append(value + u'%');
        spoken.append(tr("%1 %2 percent").arg(tr(name), value));
    }
    const QString difference = number(cmyk->roundTripDeltaE, 1);
    const QString note = cmyk->outOfGamut ? tr("out of gamut, round trip ΔE %1").arg(difference)
                                          : tr("round trip ΔE %1").arg(difference);
    const QString gamut = cmyk->outOfGamut ? tr(", out of gamut") : QString();
    return {ColorNotation::Cmyk, label, texts.join(QStringLiteral(", ")), note,
            tr("%1: %2%3, round trip delta E %4")
                .arg(label, spoken.join(QStringLiteral(", ")), gamut, difference)};
}

} // namespace Tintora
