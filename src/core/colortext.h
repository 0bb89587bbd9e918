#pragma once

#include "core/colorparser.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace Tintora {

// The small pieces of colour text that the parser and the colour finder share. Only ASCII
// letters and digits count as such: "ſ" folds to "s" elsewhere, never here.

inline bool isBlank(QChar c)
{
    return c.isSpace();
}

inline bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

inline bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

inline char16_t asciiLower(QChar c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c.unicode() - u'A' + u'a') : c.unicode();
}

// Whether a text is a lower-case word, letters in any case.
bool equalsAscii(QStringView text, QLatin1StringView lowerWord);

QString withoutBlanks(QStringView text);

// Digits only, their value at most `maximum`.
std::optional<int> wholeNumber(QStringView digits, int maximum);

// A number as people type it: an optional sign when allowed, digits with an optional fraction
// ("12", "-7.5", ".5"); no exponent, no blanks.
std::optional<double> plainNumber(QStringView text, bool signAllowed);

// A number followed by "%", 0 to 100.
std::optional<double> percentage(QStringView text);

// After "#": 3, 4, 6 or 8 hexadecimal digits, RGB, RGBA, RRGGBB or RRGGBBAA.
std::optional<ParsedColor> hashColor(QStringView digits);

// After "0x": RRGGBB, or 00BBGGRR, the colour value.
std::optional<ParsedColor> codeColor(QStringView digits);

} // namespace Tintora
