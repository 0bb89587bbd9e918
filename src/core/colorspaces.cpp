#include "core/colorspaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Tintora {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

std::array<double, 3> multiply(const Matrix &m, double x, double y, double z)
{
    return {m[0][0] * x + m[0][1] * y + m[0][2] * z, m[1][0] * x + m[1][1] * y + m[1][2] * z,
            m[2][0] * x + m[2][1] * y + m[2][2] * z};
}

// The matrices of CSS Color 4, given there as exact fractions where they have them, so that the
// program's lab() and lch() agree with browsers to the last digit shown.
constexpr Matrix kLinearRgbToXyz {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix kXyzToLinearRgb {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
constexpr Matrix kD65ToD50 {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix kD50ToD65 {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
// The whites from their chromaticities, as CSS Color 4 gives them.
constexpr Xyz kD50White {0.3457 / 0.3585, 1, (1 - 0.3457 - 0.3585) / 0.3585};
constexpr Xyz kD65White {0.3127 / 0.3290, 1, (1 - 0.3127 - 0.3290) / 0.3290};

// OKLab from linear sRGB, in Ottosson's two steps: to cone responses, then their cube roots to
// lightness and the two opponent axes.
constexpr Matrix kLinearRgbToLms {{
    {0.4122214708, 0.5363325363, 0.0514459929},
    {0.2119034982, 0.6806995451, 0.1073969566},
    {0.0883024619, 0.2817188376, 0.6299787005},
}};
constexpr Matrix kLmsToOklab {{
    {0.2104542553, 0.7936177850, -0.0040720468},
    {1.9779984951, -2.4285922050, 0.4505937099},
    {0.0259040371, 0.7827717662, -0.8086757660},
}};
constexpr Matrix kOklabToLms {{
    {1, 0.3963377774, 0.2158037573},
    {1, -0.1055613458, -0.0638541728},
    {1, -0.0894841775, -1.2914855480},
}};
constexpr Matrix kLmsToLinearRgb {{
    {4.0767416621, -3.3077115913, 0.2309699292},
    {-1.2684380046, 2.6097574011, -0.3413193965},
    {-0.0041960863, -0.7034186147, 1.7076147010},
}};

constexpr double kLabEpsilon = 216.0 / 24389; // (6/29)³
constexpr double kLabKappa = 24389.0 / 27; // (29/3)³

double labCurve(double t)
{
    return t > kLabEpsilon ? std::cbrt(t) : (kLabKappa * t + 16) / 116;
}

double labCurveInverse(double f)
{
    const double cube = f * f * f;
    return cube > kLabEpsilon ? cube : (116 * f - 16) / kLabKappa;
}

double normalizedHue(double degrees)
{
    const double h = std::fmod(degrees, 360);
    return h < 0 ? h + 360 : h;
}

// The hue shared by HSL, HSV and HWB, with the largest and smallest component.
double hexconeHue(const Srgb &rgb, double max, double min)
{
    const double delta = max - min;
    if (delta == 0)
        return 0;
    double hue = 0;
    if (max == rgb.red)
        hue = (rgb.green - rgb.blue) / delta + (rgb.green < rgb.blue ? 6 : 0);
    else if (max == rgb.green)
        hue = (rgb.blue - rgb.red) / delta + 2;
    else
        hue = (rgb.red - rgb.green) / delta + 4;
    return normalizedHue(hue * 60);
}

} // namespace

double srgbToLinear(double component)
{
    const double magnitude = std::fabs(component);
    const double linear
        = magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, component);
}

double linearToSrgb(double component)
{
    const double magnitude = std::fabs(component);
    const double encoded
        = magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
    return std::copysign(encoded, component);
}

double linearComponent(int byte)
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values {};
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = srgbToLinear(double(i) / 255);
        return values;
    }();
    return table[std::size_t(byte & 0xFF)];
}

Srgb toRgb(ColorValue color)
{
    return {(color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0};
}

ColorValue toColorValue(const Srgb &rgb)
{
    const auto byte = [](double component) {
        return int(std::lround(std::clamp(component, 0.0, 1.0) * 255));
    };
    return colorValue(byte(rgb.red), byte(rgb.green), byte(rgb.blue));
}

Srgb toLinear(const Srgb &rgb)
{
    return {srgbToLinear(rgb.red), srgbToLinear(rgb.green), srgbToLinear(rgb.blue)};
}

Srgb fromLinear(const Srgb &linear)
{
    return {linearToSrgb(linear.red), linearToSrgb(linear.green), linearToSrgb(linear.blue)};
}

Xyz linearRgbToXyz(const Srgb &linear)
{
    const auto [x, y, z] = multiply(kLinearRgbToXyz, linear.red, linear.green, linear.blue);
    return {x, y, z};
}

Srgb xyzToLinearRgb(const Xyz &xyz)
{
    const auto [r, g, b] = multiply(kXyzToLinearRgb, xyz.x, xyz.y, xyz.z);
    return {r, g, b};
}

Xyz d65ToD50(const Xyz &xyz)
{
    const auto [x, y, z] = multiply(kD65ToD50, xyz.x, xyz.y, xyz.z);
    return {x, y, z};
}

Xyz d50ToD65(const Xyz &xyz)
{
    const auto [x, y, z] = multiply(kD50ToD65, xyz.x, xyz.y, xyz.z);
    return {x, y, z};
}

Lab xyzToLab(const Xyz &xyz, const Xyz &white)
{
    const double fx = labCurve(xyz.x / white.x);
    const double fy = labCurve(xyz.y / white.y);
    const double fz = labCurve(xyz.z / white.z);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Lab xyzD50ToLab(const Xyz &xyz)
{
    return xyzToLab(xyz, kD50White);
}

Lab rgbToLabD65(const Srgb &rgb)
{
    return xyzToLab(linearRgbToXyz(toLinear(rgb)), kD65White);
}

Xyz labToXyzD50(const Lab &lab)
{
    const double fy = (lab.L + 16) / 116;
    const double fx = fy + lab.a / 500;
    const double fz = fy - lab.b / 200;
    // Below the curve's bend lightness maps linearly, which keeps very dark colours exact.
    const double y = lab.L > kLabKappa * kLabEpsilon ? fy * fy * fy : lab.L / kLabKappa;
    return {labCurveInverse(fx) * kD50White.x, y * kD50White.y, labCurveInverse(fz) * kD50White.z};
}

Lab rgbToLabD50(const Srgb &rgb)
{
    return xyzD50ToLab(d65ToD50(linearRgbToXyz(toLinear(rgb))));
}

Srgb labD50ToRgb(const Lab &lab)
{
    return fromLinear(xyzToLinearRgb(d50ToD65(labToXyzD50(lab))));
}

Lab rgbToOklab(const Srgb &rgb)
{
    const Srgb linear = toLinear(rgb);
    const auto [l, m, s] = multiply(kLinearRgbToLms, linear.red, linear.green, linear.blue);
    const auto [L, a, b] = multiply(kLmsToOklab, std::cbrt(l), std::cbrt(m), std::cbrt(s));
    return {L, a, b};
}

Srgb oklabToRgb(const Lab &oklab)
{
    const auto [l, m, s] = multiply(kOklabToLms, oklab.L, oklab.a, oklab.b);
    const auto [r, g, b] = multiply(kLmsToLinearRgb, l * l * l, m * m * m, s * s * s);
    return fromLinear({r, g, b});
}

Lch toPolar(const Lab &lab)
{
    // A grey's hue means nothing, and the rounding errors of its conversion would give it any.
    constexpr double neutral = 1e-6;
    const double chroma = std::hypot(lab.a, lab.b);
    if (chroma < neutral)
        return {lab.L, 0, 0};
    return {lab.L, chroma, normalizedHue(std::atan2(lab.b, lab.a) * 180 / std::numbers::pi)};
}

Lab fromPolar(const Lch &lch)
{
    const double radians = lch.h * std::numbers::pi / 180;
    return {lch.L, lch.C * std::cos(radians), lch.C * std::sin(radians)};
}

Lch toOklch(ColorValue color)
{
    return toPolar(rgbToOklab(toRgb(color)));
}

ColorValue fromOklch(const Lch &oklch)
{
    return toColorValue(gamutMap(oklabToRgb(fromPolar(oklch))));
}

Hsl rgbToHsl(const Srgb &rgb)
{
    const double max = std::max({rgb.red, rgb.green, rgb.blue});
    const double min = std::min({rgb.red, rgb.green, rgb.blue});
    const double lightness = (max + min) / 2;
    const double divisor = std::min(lightness, 1 - lightness);
    const double saturation = divisor <= 0 ? 0 : (max - lightness) / divisor;
    return {hexconeHue(rgb, max, min), saturation, lightness};
}

Srgb hslToRgb(const Hsl &hsl)
{
    const double hue = normalizedHue(hsl.hue);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = hsl.saturation * std::min(hsl.lightness, 1 - hsl.lightness);
        return hsl.lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

Hsv rgbToHsv(const Srgb &rgb)
{
    const double max = std::max({rgb.red, rgb.green, rgb.blue});
    const double min = std::min({rgb.red, rgb.green, rgb.blue});
    return {hexconeHue(rgb, max, min), max == 0 ? 0 : (max - min) / max, max};
}

Srgb hsvToRgb(const Hsv &hsv)
{
    const double hue = normalizedHue(hsv.hue);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 60, 6);
        return hsv.value - hsv.value * hsv.saturation * std::max(0.0, std::min({k, 4 - k, 1.0}));
    };
    return {channel(5), channel(3), channel(1)};
}

Hwb rgbToHwb(const Srgb &rgb)
{
    const double max = std::max({rgb.red, rgb.green, rgb.blue});
    const double min = std::min({rgb.red, rgb.green, rgb.blue});
    return {hexconeHue(rgb, max, min), min, 1 - max};
}

Srgb hwbToRgb(const Hwb &hwb)
{
    // Whiteness and blackness that add up to more than 1 are scaled down to give a grey.
    const double sum = hwb.whiteness + hwb.blackness;
    if (sum >= 1) {
        const double grey = hwb.whiteness / sum;
        return {grey, grey, grey};
    }
    const Srgb pure = hslToRgb({hwb.hue, 1, 0.5});
    const double scale = 1 - hwb.whiteness - hwb.blackness;
    const auto channel = [&](double c) {
        return c * scale + hwb.whiteness;
    };
    return {channel(pure.red), channel(pure.green), channel(pure.blue)};
}

} // namespace Tintora
