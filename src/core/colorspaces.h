#pragma once

#include "core/colorvalue.h"

namespace Tintora {

// The colour spaces the program converts between, each once. Components are doubles and are not
// clamped: a colour outside sRGB keeps its values until gamutMap() brings it in.

// sRGB as style sheets give it: red, green and blue 0 to 1, gamma-encoded.
struct Srgb
{
    double red = 0;
    double green = 0;
    double blue = 0;
};

// CIE XYZ, Y 1 for the white.
struct Xyz
{
    double x = 0;
    double y = 0;
    double z = 0;
};

// CIELAB (L 0 to 100) and its polar form; OKLab (L 0 to 1) and its polar form. Hue in degrees,
// 0 to 360; a neutral colour gets hue 0.
struct Lab
{
    double L = 0;
    double a = 0;
    double b = 0;
};
struct Lch
{
    double L = 0;
    double C = 0;
    double h = 0;
};

// Hue in degrees 0 to 360; the other two 0 to 1.
struct Hsl
{
    double hue = 0;
    double saturation = 0;
    double lightness = 0;
};
struct Hsv
{
    double hue = 0;
    double saturation = 0;
    double value = 0;
};
struct Hwb
{
    double hue = 0;
    double whiteness = 0;
    double blackness = 0;
};

// The sRGB transfer curve, both ways, for a component 0 to 1 (extended to negative values by
// symmetry, as style sheets do).
double srgbToLinear(double component);
double linearToSrgb(double component);
// The same for an 8-bit component, from a table.
double linearComponent(int byte);

Srgb toRgb(ColorValue color);
// Rounded to the nearest byte, each component clamped to 0 to 255 first.
ColorValue toColorValue(const Srgb &rgb);

Srgb toLinear(const Srgb &rgb);
Srgb fromLinear(const Srgb &linear);

// Linear sRGB and CIE XYZ with the D65 white, and Bradford's adaptation between D65 and D50.
Xyz linearRgbToXyz(const Srgb &linear);
Srgb xyzToLinearRgb(const Xyz &xyz);
Xyz d65ToD50(const Xyz &xyz);
Xyz d50ToD65(const Xyz &xyz);

// CIELAB relative to a white; relative to D65, the sRGB white itself, without adaptation, it is
// what the program measures colour differences in.
Lab xyzToLab(const Xyz &xyz, const Xyz &white);
Lab rgbToLabD65(const Srgb &rgb);

// CIELAB relative to the D50 white, as style sheets' lab() and lch() use it.
Lab xyzD50ToLab(const Xyz &xyz);
Xyz labToXyzD50(const Lab &lab);
Lab rgbToLabD50(const Srgb &rgb);
Srgb labD50ToRgb(const Lab &lab);

// OKLab (Björn Ottosson, 2020).
Lab rgbToOklab(const Srgb &rgb);
Srgb oklabToRgb(const Lab &oklab);

Lch toPolar(const Lab &lab);
Lab fromPolar(const Lch &lch);

// A colour value's OKLCH coordinates, and the colour value of OKLCH coordinates: brought into sRGB
// by gamutMap(), so that where sRGB has not the chroma only the chroma drops, and rounded to bytes.
// Lightness 0 or less gives black, 1 or more white.
Lch toOklch(ColorValue color);
ColorValue fromOklch(const Lch &oklch);

Hsl rgbToHsl(const Srgb &rgb);
Srgb hslToRgb(const Hsl &hsl);
Hsv rgbToHsv(const Srgb &rgb);
Srgb hsvToRgb(const Hsv &hsv);
Hwb rgbToHwb(const Srgb &rgb);
Srgb hwbToRgb(const Hwb &hwb);

// Whether each component lies in 0 to 1, give or take a rounding error.
bool inSrgbGamut(const Srgb &rgb);

// Brings a colour into sRGB the way style sheets do (CSS Color 4's gamut mapping): keeping its
// OKLCH lightness and hue, it lowers the chroma until clipping the rest changes the colour by
// less than a just noticeable difference. A colour inside sRGB stays as it is.
Srgb gamutMap(const Srgb &rgb);
// The same from OKLCH (OKLab's polar form), which keeps the lightness exact: oklch(1 0.3 0) is
// white, where its sRGB would come back with a lightness a rounding error below 1.
Srgb gamutMap(const Lch &oklch);

} // namespace Tintora
