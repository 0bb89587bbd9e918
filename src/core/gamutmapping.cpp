#include "core/colorspaces.h"

#include <algorithm>
#include <cmath>

// CSS Color 4's gamut mapping: lower the OKLCH chroma by bisection until clipping what is left
// outside sRGB changes the colour by less than a just noticeable difference in OKLab.

namespace Tintora {

namespace {

Srgb clipped(const Srgb &rgb)
{
    return {std::clamp(rgb.red, 0.0, 1.0), std::clamp(rgb.green, 0.0, 1.0),
            std::clamp(rgb.blue, 0.0, 1.0)};
}

double deltaEOk(const Lab &first, const Lab &second)
{
    return std::hypot(first.L - second.L, first.a - second.a, first.b - second.b);
}

} // namespace

bool inSrgbGamut(const Srgb &rgb)
{
    constexpr double tolerance = 1e-6;
    for (const double c : {rgb.red, rgb.green, rgb.blue}) {
        if (c < -tolerance || c > 1 + tolerance)
            return false;
    }
    return true;
}

Srgb gamutMap(const Srgb &rgb)
{
    return inSrgbGamut(rgb) ? rgb : gamutMap(toPolar(rgbToOklab(rgb)));
}

Srgb gamutMap(const Lch &oklch)
{
    Lch current = oklch;
    if (current.L >= 1)
        return {1, 1, 1};
    if (current.L <= 0)
        return {0, 0, 0};
    if (const Srgb rgb = oklabToRgb(fromPolar(current)); inSrgbGamut(rgb))
        return rgb;

    constexpr double justNoticeable = 0.02;
    constexpr double epsilon = 0.0001;
    Srgb clip = clipped(oklabToRgb(fromPolar(current)));
    if (deltaEOk(rgbToOklab(clip), fromPolar(current)) < justNoticeable)
        return clip;
    double low = 0;
    double high = current.C;
    bool lowInGamut = true;
    while (high - low > epsilon) {
        current.C = (low + high) / 2;
        const Srgb candidate = oklabToRgb(fromPolar(current));
        if (lowInGamut && inSrgbGamut(candidate)) {
            low = current.C;
            continue;
        }
        clip = clipped(candidate);
        const double error = deltaEOk(rgbToOklab(clip), fromPolar(current));
        if (error < justNoticeable) {
            if (justNoticeable - error < epsilon)
                return clip;
            lowInGamut = false;
            low = current.C;
        } else {
            high = current.C;
        }
    }
    return clip;
}

} // namespace Tintora
