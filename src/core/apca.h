#pragma once

#include "core/colorvalue.h"

namespace Tintora {

// The lightness contrast Lc of text on its back colour by APCA, the Accessible Perceptual
// Contrast Algorithm (SAPC-APCA 0.0.98G-4g), the method of the WCAG 3 working draft. Unlike the
// WCAG 2 ratio it depends on which colour is the text: positive for dark text on a lighter back
// (about 106 for black on white), negative for light text on a darker back (about -108 for white
// on black). Contrasts too low to read, below about 7.3 either way, give 0.
double apcaContrast(ColorValue text, ColorValue back);

} // namespace Tintora
