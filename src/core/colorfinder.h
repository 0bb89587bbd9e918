#pragma once

#include "core/colorparser.h"

#include <QList>
#include <QStringView>

#include <optional>

namespace Tintora {

// At most this many colours come from one text.
constexpr qsizetype kMaxColorsFound = 10000;

struct FoundColors
{
    QList<ParsedColor> colors;
    bool truncated = false; // the text held more than kMaxColorsFound
};

// Every colour in a free text, such as a style sheet, a document or a list, in order, one for
// each time a colour stands in it: the unambiguous forms of parseColorText() without blanks
// inside hexadecimal digits and names, never bare numbers. A name counts only as a value: not as
// a property or key (a name before ":"), a class, variable or rule (after ".", "$" or "@"), nor
// a part of a longer word ("red-orange") or of a url(); "&#160;" is a character reference, not
// a colour. Time grows linearly with the text, memory with the colours found.
FoundColors findColors(QStringView text);

// The first colour findColors() finds, for a declaration or a line typed or pasted.
std::optional<ParsedColor> firstColor(QStringView text);

} // namespace Tintora
