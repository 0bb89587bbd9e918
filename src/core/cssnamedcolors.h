#pragma once

#include "core/colorvalue.h"

#include <QList>
#include <QStringView>

#include <optional>

namespace Tintora {

// The colour of one of the 148 named colours of web style sheets ("steelblue", "rebeccapurple",
// both "gray" and "grey" spellings), letters in any case. Anything else, "transparent" included,
// is no colour.
std::optional<ColorValue> namedColor(QStringView name);

struct NamedColor
{
    QLatin1StringView name; // lower case, "steelblue"
    ColorValue color;
};

// All 148, sorted by name, so that of two names of one colour "aqua" comes before "cyan" and
// "gray" before "grey".
QList<NamedColor> cssNamedColors();

} // namespace Tintora
