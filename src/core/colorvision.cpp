#include "core/colorvision.h"

#include "core/colorspaces.h"

namespace Tintora {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes, "A Physiologically-based Model for Simulation of Color Vision
// Deficiency", IEEE TVCG 15(6), 2009: their matrices for severity 1, on linear RGB. Each row adds
// up to 1, so greys stay as they are.
constexpr Matrix kProtanopia {{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr Matrix kDeuteranopia {{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr Matrix kTritanopia {{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};

ColorValue dichromat(ColorValue color, const Matrix &m)
{
    const Srgb linear = toLinear(toRgb(color));
    const auto row = [&](const std::array<double, 3> &weights) {
        return weights[0] * linear.red + weights[1] * linear.green + weights[2] * linear.blue;
    };
    // Components outside 0 to 1 are clipped on the way to bytes.
    return toColorValue(fromLinear({row(m[0]), row(m[1]), row(m[2])}));
}

} // namespace

ColorValue simulateColorVision(ColorValue color, ColorVision vision)
{
    switch (vision) {
    case ColorVision::Protanopia:
        return dichromat(color, kProtanopia);
    case ColorVision::Deuteranopia:
        return dichromat(color, kDeuteranopia);
    case ColorVision::Tritanopia:
        return dichromat(color, kTritanopia);
    case ColorVision::Achromatopsia:
        break;
    }
    const double grey = linearToSrgb(relativeLuminance(color));
    return toColorValue(Srgb {grey, grey, grey});
}

Contrast contrastUnder(ColorVision vision, ColorValue text, ColorValue back)
{
    return contrastOf(simulateColorVision(text, vision), simulateColorVision(back, vision));
}

} // namespace Tintora
