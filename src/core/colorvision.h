#pragma once

#include "core/colorvalue.h"
#include "core/contrast.h"

#include <array>

namespace Tintora {

// Colour-vision deficiencies at full severity: red, green or blue cones missing (protanopia,
// deuteranopia, tritanopia), or no colour vision at all (achromatopsia).
enum class ColorVision { Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::array kColorVisions {ColorVision::Protanopia, ColorVision::Deuteranopia,
                                           ColorVision::Tritanopia, ColorVision::Achromatopsia};

// How a colour looks with a deficiency. The three dichromacies use Machado, Oliveira and
// Fernandes' model (2009, severity 1) on linear sRGB; achromatopsia shows the colour's relative
// luminance as a grey.
ColorValue simulateColorVision(ColorValue color, ColorVision vision);

// The WCAG 2 contrast of text on its back colour as someone with a deficiency sees both.
Contrast contrastUnder(ColorVision vision, ColorValue text, ColorValue back);

} // namespace Tintora
