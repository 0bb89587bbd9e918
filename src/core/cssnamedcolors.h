#pragma once

#include "core/colorvalue.h"

#include <QStringView>

#include <optional>

namespace Tintora {

// The colour of one of the 148 named colours of web style sheets ("steelblue", "rebeccapurple",
// both "gray" and "grey" spellings), letters in any case. Anything else, "transparent" included,
// is no colour.
std::optional<ColorValue> namedColor(QStringView name);

} // namespace Tintora
