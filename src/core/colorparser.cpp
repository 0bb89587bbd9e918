#include "core/colorparser.h"

#include "core/cssnamedcolors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Tintora {

namespace {

bool isBlank(QChar c)
{
    return c.isSpace();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

char16_t asciiLower(QChar c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c.unicode() - u'A' + u'a') : c.unicode();
}

// Letters outside ASCII never match: "hſl(" is no hsl() even though "ſ" folds to "s".
bool startsWithAscii(QStringView text, QLatin1StringView lowerPrefix)
{
    if (text.size() < lowerPrefix.size())
        return false;
    for (qsizetype i = 0; i < lowerPrefix.size(); ++i) {
        if (asciiLower(text[i]) != char16_t(lowerPrefix[i].unicode()))
            return false;
    }
    return true;
}

QString withoutBlanks(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            result.append(c);
    }
    return result;
}

int hexDigit(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    const char16_t lower = asciiLower(c);
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

// Six digits RRGGBB, or three RGB that stand for RRGGBB.
std::optional<ColorValue> hexColor(QStringView digits)
{
    if (digits.size() != 6 && digits.size() != 3)
        return std::nullopt;
    std::array<int, 6> values {};
    for (qsizetype i = 0; i < digits.size(); ++i) {
        values[i] = hexDigit(digits[i]);
        if (values[i] < 0)
            return std::nullopt;
    }
    if (digits.size() == 3)
        return colorValue(values[0] * 17, values[1] * 17, values[2] * 17);
    return colorValue(values[0] * 16 + values[1], values[2] * 16 + values[3],
                      values[4] * 16 + values[5]);
}

// Digits only, their value at most `maximum`.
std::optional<int> wholeNumber(QStringView digits, int maximum)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > maximum)
            return std::nullopt;
    }
    return int(value);
}

// A number as people type it: an optional sign when allowed, digits with an optional fraction
// ("12", "-7.5", ".5"); no exponent, no blanks.
std::optional<double> plainNumber(QStringView text, bool signAllowed)
{
    qsizetype start = 0;
    if (signAllowed && !text.isEmpty() && (text[0] == u'+' || text[0] == u'-'))
        start = 1;
    qsizetype digits = 0;
    bool point = false;
    for (QChar c : text.sliced(start)) {
        if (isDigit(c))
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> percentage(QStringView text)
{
    if (!text.endsWith(u'%'))
        return std::nullopt;
    const std::optional<double> value = plainNumber(text.chopped(1), false);
    return value && *value <= 100 ? value : std::nullopt;
}

// Rounds a component 0..255 to a whole number, halves up, as style sheets do: 30% of 255 is
// 76.5, shown as 77.
int roundHalfUp(double component)
{
    return int(std::floor(component + 0.5));
}

// The three parts of rgb() or hsl(), or of a bare triple: separated by commas, with blanks
// around them allowed, or by blanks alone.
std::optional<std::array<QStringView, 3>> threeParts(QStringView text)
{
    std::array<QStringView, 3> parts;
    std::size_t count = 0;
    const auto add = [&](QStringView part) {
        if (count == parts.size() || part.isEmpty())
            return false;
        parts[count++] = part;
        return true;
    };
    if (text.contains(u',')) {
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
        for (qsizetype i = 0; i < text.size();) {
            if (isBlank(text[i])) {
                ++i;
                continue;
            }
            const qsizetype start = i;
            while (i < text.size() && !isBlank(text[i]))
                ++i;
            if (!add(text.sliced(start, i - start)))
                return std::nullopt;
        }
    }
    return count == parts.size() ? std::optional(parts) : std::nullopt;
}

std::optional<int> rgbComponent(QStringView part)
{
    if (const std::optional<double> percent = percentage(part))
        return roundHalfUp(*percent * 255 / 100);
    return wholeNumber(part, 255);
}

std::optional<ColorValue> rgbTriple(QStringView text)
{
    const auto parts = threeParts(text);
    if (!parts)
        return std::nullopt;
    std::array<int, 3> components {};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::optional<int> component = rgbComponent((*parts)[i]);
        if (!component)
            return std::nullopt;
        components[i] = *component;
    }
    return colorValue(components[0], components[1], components[2]);
}

std::optional<ColorValue> hslColor(QStringView text)
{
    const auto parts = threeParts(text);
    if (!parts)
        return std::nullopt;
    const std::optional<double> hue = plainNumber((*parts)[0], true);
    const std::optional<double> saturation = percentage((*parts)[1]);
    const std::optional<double> lightness = percentage((*parts)[2]);
    if (!hue || !saturation || !lightness)
        return std::nullopt;
    double degrees = std::fmod(*hue, 360.0);
    if (degrees < 0)
        degrees += 360.0;
    const double s = *saturation / 100;
    const double l = *lightness / 100;
    const double chroma = s * std::min(l, 1 - l);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + degrees / 30, 12.0);
        return roundHalfUp(255 * (l - chroma * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}))));
    };
    return colorValue(channel(0), channel(8), channel(4));
}

// The inside of "name(...)": the name in any case, blanks before the parenthesis allowed.
std::optional<QStringView> functionArguments(QStringView text, QLatin1StringView name)
{
    if (!startsWithAscii(text, name))
        return std::nullopt;
    const QStringView rest = text.sliced(name.size()).trimmed();
    if (rest.size() < 2 || rest.front() != u'(' || rest.back() != u')')
        return std::nullopt;
    return rest.sliced(1, rest.size() - 2);
}

std::optional<ColorValue> unambiguousColor(QStringView text)
{
    if (text.startsWith(u'#'))
        return hexColor(withoutBlanks(text.sliced(1)));
    if (const auto arguments = functionArguments(text, QLatin1StringView("rgb")))
        return rgbTriple(*arguments);
    if (const auto arguments = functionArguments(text, QLatin1StringView("hsl")))
        return hslColor(*arguments);
    return namedColor(withoutBlanks(text));
}

std::optional<ColorValue> ownColor(QStringView text, Notation notation)
{
    switch (notation) {
    case Notation::Html: {
        const QString digits = withoutBlanks(text);
        return digits.size() == 6 ? hexColor(digits) : std::nullopt;
    }
    case Notation::Rgb:
        return rgbTriple(text);
    case Notation::Decimal:
        return wholeNumber(withoutBlanks(text), kWhite);
    case Notation::Unambiguous:
    case Notation::Any:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<ColorValue> parseColor(QStringView text, Notation preferred)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > kMaxColorTextLength)
        return std::nullopt;
    if (preferred == Notation::Any) {
        if (const auto color = unambiguousColor(text))
            return color;
        for (const Notation notation : {Notation::Html, Notation::Rgb, Notation::Decimal}) {
            if (const auto color = ownColor(text, notation))
                return color;
        }
        return std::nullopt;
    }
    if (const auto color = ownColor(text, preferred))
        return color;
    return unambiguousColor(text);
}

} // namespace Tintora
