#pragma once

#include "core/colorvalue.h"

#include <array>

namespace Tintora {

// The sixteen QB colours, by number 0 (black) to 15 (bright white).
constexpr std::array<ColorValue, 16> kQbColors = {
    0, // black
    8388608, // blue
    32768, // green
    8421376, // cyan
    128, // red
    8388736, // magenta
    32896, // yellow
    12632256, // white
    8421504, // grey
    16711680, // light blue
    65280, // light green
    16776960, // light cyan
    255, // light red
    16711935, // light magenta
    65535, // light yellow
    16777215, // bright white
};

} // namespace Tintora
