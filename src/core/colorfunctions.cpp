#include "core/colorfunctions.h"

#include "core/colorspaces.h"
#include "core/colortext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace Tintora {

namespace {

enum class Space { Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch };

// How one component reads: a hue (an angle), or a number in the component's own scale, where a
// percentage p% stands for p / 100 * percent, within minimum and maximum.
struct ComponentRule
{
    bool hue = false;
    double percent = 0;
    double minimum = 0;
    double maximum = 0;
};

constexpr double kUnbounded = std::numeric_limits<double>::infinity();
constexpr ComponentRule kHue {true};
constexpr ComponentRule kHundred {false, 100, 0, 100};
constexpr ComponentRule kLabAxis {false, 125, -kUnbounded, kUnbounded};
constexpr ComponentRule kLabChroma {false, 150, 0, kUnbounded};
constexpr ComponentRule kOkLightness {false, 1, 0, 1};
constexpr ComponentRule kOkAxis {false, 0.4, -kUnbounded, kUnbounded};
constexpr ComponentRule kOkChroma {false, 0.4, 0, kUnbounded};
constexpr ComponentRule kAlpha {false, 1, 0, 1};

struct ColorFunction
{
    QLatin1StringView name;
    Space space;
    bool commas; // whether the components may be separated by commas
    std::array<ComponentRule, 3> rules;
};

// Style sheets kept the comma-separated form for rgb() and hsl() alone, and rgba() and hsla()
// for older style sheets.
constexpr ColorFunction kFunctions[] = {
    {QLatin1StringView("rgb"), Space::Rgb, true, {}},
    {QLatin1StringView("rgba"), Space::Rgb, true, {}},
    {QLatin1StringView("hsl"), Space::Hsl, true, {kHue, kHundred, kHundred}},
    {QLatin1StringView("hsla"), Space::Hsl, true, {kHue, kHundred, kHundred}},
    {QLatin1StringView("hwb"), Space::Hwb, false, {kHue, kHundred, kHundred}},
    {QLatin1StringView("lab"), Space::Lab, false, {kHundred, kLabAxis, kLabAxis}},
    {QLatin1StringView("lch"), Space::Lch, false, {kHundred, kLabChroma, kHue}},
    {QLatin1StringView("oklab"), Space::Oklab, false, {kOkLightness, kOkAxis, kOkAxis}},
    {QLatin1StringView("oklch"), Space::Oklch, false, {kOkLightness, kOkChroma, kHue}},
};

const ColorFunction *findFunction(QStringView name)
{
    const auto found
        = std::find_if(std::begin(kFunctions), std::end(kFunctions),
                       [name](const ColorFunction &f) { return equalsAscii(name, f.name); });
    return found == std::end(kFunctions) ? nullptr : found;
}

struct Arguments
{
    std::array<QStringView, 3> components;
    QStringView alpha; // empty when none is given
    bool commas = false;
};

// The components of a function, or of a bare triple: separated by commas, with blanks around
// them allowed and an alpha fourth; or by blanks alone, with "/ alpha" after the three.
std::optional<Arguments> splitArguments(QStringView text)
{
    std::array<QStringView, 5> parts;
    std::size_t count = 0;
    const auto add = [&](QStringView part) {
        if (count == parts.size() || part.isEmpty())
            return false;
        parts[count++] = part;
        return true;
    };
    Arguments arguments;
    arguments.commas = text.contains(u',');
    if (arguments.commas) {
        qsizetype start = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != u',')
                continue;
            const QStringView part = text.sliced(start, i - start).trimmed();
            if (std::any_of(part.begin(), part.end(), isBlank) || !add(part))
                return std::nullopt;
            start = i + 1;
        }
    } else {
        // The slash is a part of its own, blanks around it or not.
        for (qsizetype i = 0; i < text.size();) {
            if (isBlank(text[i])) {
                ++i;
                continue;
            }
            const qsizetype start = i++;
            while (text[start] != u'/' && i < text.size() && !isBlank(text[i]) && text[i] != u'/')
                ++i;
            if (!add(text.sliced(start, i - start)))
                return std::nullopt;
        }
    }
    const bool slashed = count == 5 && parts[3] == u"/" && !arguments.commas;
    if (count != 3 && !(arguments.commas && count == 4) && !slashed)
        return std::nullopt;
    std::copy_n(parts.begin(), 3, arguments.components.begin());
    arguments.alpha = count == 3 ? QStringView() : parts[count - 1];
    return arguments;
}

bool isNone(QStringView text)
{
    return equalsAscii(text, QLatin1StringView("none"));
}

// An angle in degrees: a number, or a number with its unit.
std::optional<double> hue(QStringView text)
{
    struct Unit
    {
        QLatin1StringView name;
        double degrees;
    };
    static constexpr Unit units[] = {{QLatin1StringView("deg"), 1},
                                     {QLatin1StringView("grad"), 0.9},
                                     {QLatin1StringView("rad"), 180 / std::numbers::pi},
                                     {QLatin1StringView("turn"), 360}};
    for (const Unit &unit : units) {
        if (text.size() > unit.name.size() && equalsAscii(text.last(unit.name.size()), unit.name)) {
            const std::optional<double> value = plainNumber(text.chopped(unit.name.size()), true);
            return value ? std::optional(*value * unit.degrees) : std::nullopt;
        }
    }
    return plainNumber(text, true);
}

// A component by its rule; with commas, the other components of hsl() are percentages only.
std::optional<double> component(QStringView text, const ComponentRule &rule, bool commas)
{
    if (!commas && isNone(text))
        return 0.0;
    if (rule.hue)
        return hue(text);
    const bool percent = text.endsWith(u'%');
    if (commas && !percent)
        return std::nullopt;
    std::optional<double> value = plainNumber(percent ? text.chopped(1) : text, true);
    if (value && percent)
        *value *= rule.percent / 100;
    if (!value || *value < rule.minimum || *value > rule.maximum)
        return std::nullopt;
    return value;
}

// An alpha, 1 when none is given; "none" only without commas.
std::optional<double> alphaValue(QStringView text, bool commas)
{
    if (text.isEmpty())
        return 1.0;
    if (commas && isNone(text))
        return std::nullopt;
    return component(text, kAlpha, false);
}

// Rounds a component 0..255 to a whole number, halves up, as style sheets do: 30% of 255 is
// 76.5, shown as 77.
int roundHalfUp(double component)
{
    return int(std::floor(component + 0.5));
}

std::optional<int> rgbComponent(QStringView part, bool commas)
{
    if (!commas && isNone(part))
        return 0;
    if (const std::optional<double> percent = percentage(part))
        return roundHalfUp(*percent * 255 / 100);
    return wholeNumber(part, 255);
}

std::optional<ColorValue> rgbComponents(const Arguments &arguments)
{
    std::array<int, 3> bytes {};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::optional<int> byte = rgbComponent(arguments.components[i], arguments.commas);
        if (!byte)
            return std::nullopt;
        bytes[i] = *byte;
    }
    return colorValue(bytes[0], bytes[1], bytes[2]);
}

Srgb toSrgb(Space space, const std::array<double, 3> &v)
{
    switch (space) {
    case Space::Hsl:
        return hslToRgb({v[0], v[1] / 100, v[2] / 100});
    case Space::Hwb:
        return hwbToRgb({v[0], v[1] / 100, v[2] / 100});
    case Space::Lab:
        return labD50ToRgb({v[0], v[1], v[2]});
    case Space::Lch:
        return labD50ToRgb(fromPolar({v[0], v[1], v[2]}));
    case Space::Oklab:
        return oklabToRgb({v[0], v[1], v[2]});
    case Space::Oklch:
        return oklabToRgb(fromPolar({v[0], v[1], v[2]}));
    case Space::Rgb:
        break;
    }
    return {};
}

bool isFinite(const Srgb &rgb)
{
    return std::isfinite(rgb.red) && std::isfinite(rgb.green) && std::isfinite(rgb.blue);
}

// A colour whose components round into 0 to 255 shows as itself; one beyond is brought in,
// from the OKLCH it was given in where it was.
std::optional<ParsedColor> shownColor(Space space, const std::array<double, 3> &v,
                                      bool alphaDropped)
{
    const Srgb rgb = toSrgb(space, v);
    const auto outside = [](double c) {
        return c * 255 <= -0.5 || c * 255 >= 255.5;
    };
    const bool mapped = outside(rgb.red) || outside(rgb.green) || outside(rgb.blue);
    Srgb shown = rgb;
    if (mapped && space == Space::Oklab)
        shown = gamutMap(toPolar({v[0], v[1], v[2]}));
    else if (mapped && space == Space::Oklch)
        shown = gamutMap(Lch {v[0], v[1], v[2]});
    else if (mapped && isFinite(rgb))
        shown = gamutMap(rgb);
    if (!isFinite(shown))
        return std::nullopt;
    return ParsedColor {toColorValue(shown), alphaDropped, mapped};
}

} // namespace

bool isColorFunction(QStringView name)
{
    return findFunction(name) != nullptr;
}

std::optional<ParsedColor> functionColor(QStringView text)
{
    const qsizetype nameEnd
        = std::find_if_not(text.begin(), text.end(), isAsciiLetter) - text.begin();
    const ColorFunction *function = findFunction(text.first(nameEnd));
    const QStringView rest = text.sliced(nameEnd).trimmed();
    if (!function || rest.size() < 2 || rest.front() != u'(' || rest.back() != u')')
        return std::nullopt;
    const std::optional<Arguments> arguments = splitArguments(rest.sliced(1, rest.size() - 2));
    if (!arguments || (arguments->commas && !function->commas))
        return std::nullopt;
    const std::optional<double> alpha = alphaValue(arguments->alpha, arguments->commas);
    if (!alpha)
        return std::nullopt;
    if (function->space == Space::Rgb) {
        const std::optional<ColorValue> color = rgbComponents(*arguments);
        return color ? std::optional(ParsedColor {*color, *alpha < 1, false}) : std::nullopt;
    }
    std::array<double, 3> values {};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<double> value
            = component(arguments->components[i], function->rules[i], arguments->commas);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return shownColor(function->space, values, *alpha < 1);
}

std::optional<ColorValue> rgbTriple(QStringView text)
{
    const std::optional<Arguments> arguments = splitArguments(text);
    if (!arguments || !arguments->alpha.isEmpty()
        || std::any_of(arguments->components.begin(), arguments->components.end(), isNone))
        return std::nullopt;
    return rgbComponents(*arguments);
}

} // namespace Tintora
