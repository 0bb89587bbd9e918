#include "core/colorparser.h"

#include "core/colorfinder.h"
#include "core/colorfunctions.h"
#include "core/colortext.h"
#include "core/cssnamedcolors.h"

namespace Tintora {

namespace {

std::optional<ParsedColor> opaque(std::optional<ColorValue> color)
{
    return color ? std::optional(ParsedColor {*color}) : std::nullopt;
}

std::optional<ParsedColor> unambiguousColor(QStringView text)
{
    if (text.startsWith(u'#'))
        return hashColor(withoutBlanks(text.sliced(1)));
    if (text.size() > 2 && text[0] == u'0' && asciiLower(text[1]) == u'x')
        return codeColor(withoutBlanks(text.sliced(2)));
    if (const std::optional<ParsedColor> color = functionColor(text))
        return color;
    return opaque(namedColor(withoutBlanks(text)));
}

std::optional<ParsedColor> ownColor(QStringView text, Notation notation)
{
    switch (notation) {
    case Notation::Html: {
        const QString digits = withoutBlanks(text);
        return digits.size() == 6 ? hashColor(digits) : std::nullopt;
    }
    case Notation::Rgb:
        return opaque(rgbTriple(text));
    case Notation::Decimal:
        return opaque(wholeNumber(withoutBlanks(text), kWhite));
    case Notation::Unambiguous:
    case Notation::Any:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<ParsedColor> parseColorText(QStringView text, Notation preferred)
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
    } else {
        if (const auto color = ownColor(text, preferred))
            return color;
        if (const auto color = unambiguousColor(text))
            return color;
    }
    return firstColor(text);
}

std::optional<ColorValue> parseColor(QStringView text, Notation preferred)
{
    const std::optional<ParsedColor> parsed = parseColorText(text, preferred);
    return parsed ? std::optional(parsed->color) : std::nullopt;
}

} // namespace Tintora
