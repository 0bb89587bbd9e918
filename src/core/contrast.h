#pragma once

#include "core/colorvalue.h"

#include <QString>

namespace Tintora {

// How well a text colour stands out from its back colour, as the Web Content Accessibility
// Guidelines measure it: the ratio of the lighter colour's relative luminance plus 0.05 to the
// darker one's plus 0.05, from 1 (equal colours) to 21 (black and white). Large text is 18 pt, or
// 14 pt bold, and larger.
struct Contrast
{
    double ratio = 1;
    bool aaNormal = false; // level AA, normal text: at least kAaNormalRatio
    bool aaLarge = false; // level AA, large text: at least kAaLargeRatio
    bool aaaNormal = false; // level AAA, normal text: at least kAaaNormalRatio
    bool aaaLarge = false; // level AAA, large text: at least kAaaLargeRatio
};

// The least ratio each level asks of text.
inline constexpr double kAaNormalRatio = 4.5;
inline constexpr double kAaLargeRatio = 3;
inline constexpr double kAaaNormalRatio = 7;
inline constexpr double kAaaLargeRatio = 4.5;

// The relative luminance of a colour value's sRGB components, 0 for black to 1 for white.
double relativeLuminance(ColorValue color);

Contrast contrastOf(ColorValue text, ColorValue back);

// The ratio as people write it, "4.48:1", "4.6:1" or "21:1": rounded to two decimals, except
// that it never rounds up to a threshold the ratio misses, so 4.4996 reads "4.49:1", not "4.5:1".
QString ratioText(double ratio);

} // namespace Tintora
