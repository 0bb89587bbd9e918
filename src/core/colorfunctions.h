#pragma once

#include "core/colorparser.h"

#include <QStringView>

#include <optional>

namespace Tintora {

// The colour functions of style sheets: rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(),
// oklab() and oklch(), their names in any case (see parseColorText for what each accepts).
bool isColorFunction(QStringView name);

// A whole function, "oklch(0.65 0.1 240)", blanks allowed before the parenthesis.
std::optional<ParsedColor> functionColor(QStringView text);

// The RGB Number box's three bare components, separated as in rgb(); no alpha, no none.
std::optional<ColorValue> rgbTriple(QStringView text);

} // namespace Tintora
