#pragma once

#include "core/colorvalue.h"

#include <optional>

namespace Tintora {

struct PassingColor
{
    ColorValue color = 0;
    double deltaE = 0; // CIEDE2000 difference from the foreground
    double ratio = 1; // WCAG 2 contrast ratio against the background
};

// The colour nearest to a foreground by CIEDE2000 whose contrast ratio against the background
// reaches a level (kAaNormalRatio, kAaaNormalRatio): found among the foreground's OKLCH
// lightnesses from black to white, at its hue and chroma, brought into sRGB by fromOklch(), so
// that only where sRGB lacks the chroma does it drop. The ratio is that of the colour value
// returned, rounded to bytes. A foreground that passes comes back as it is, with ΔE 0. None when
// no lightness passes, which on a mid grey at AAA is so for every foreground: not even black or
// white reaches 7 on #777777.
std::optional<PassingColor> nearestPassingColor(ColorValue foreground, ColorValue background,
                                                double level);

} // namespace Tintora
