#include "core/apca.h"

#include "core/colorspaces.h"

#include <cmath>

namespace Tintora {

namespace {

// The method's published constants. Screens are taken as a plain 2.4 power curve, without the
// sRGB curve's linear toe, which is what the constants were fitted to.
constexpr double kScreenGamma = 2.4;
constexpr double kRedWeight = 0.2126729;
constexpr double kGreenWeight = 0.7151522;
constexpr double kBlueWeight = 0.0721750;
// Exponents for the back and the text, dark text on light (normal) and light text on dark
// (reverse): the eye adapts to the back, so the two polarities differ.
constexpr double kNormalBack = 0.56;
constexpr double kNormalText = 0.57;
constexpr double kReverseBack = 0.65;
constexpr double kReverseText = 0.62;
// Near black a screen's flare lifts what the eye sees: luminances below the threshold are
// raised softly towards it.
constexpr double kBlackThreshold = 0.022;
constexpr double kBlackClamp = 1.414;
constexpr double kScale = 1.14;
constexpr double kLowClip = 0.1;
constexpr double kLowOffset = 0.027;
constexpr double kDeltaYMinimum = 0.0005;

double screenLuminance(ColorValue color)
{
    const Srgb rgb = toRgb(color);
    const double y = kRedWeight * std::pow(rgb.red, kScreenGamma)
        + kGreenWeight * std::pow(rgb.green, kScreenGamma)
        + kBlueWeight * std::pow(rgb.blue, kScreenGamma);
    return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp);
}

} // namespace

double apcaContrast(ColorValue text, ColorValue back)
{
    const double textY = screenLuminance(text);
    const double backY = screenLuminance(back);
    if (std::fabs(backY - textY) < kDeltaYMinimum)
        return 0;
    if (backY > textY) {
        const double contrast
            = (std::pow(backY, kNormalBack) - std::pow(textY, kNormalText)) * kScale;
        return contrast < kLowClip ? 0 : (contrast - kLowOffset) * 100;
    }
    const double contrast
        = (std::pow(backY, kReverseBack) - std::pow(textY, kReverseText)) * kScale;
    return contrast > -kLowClip ? 0 : (contrast + kLowOffset) * 100;
}

} // namespace Tintora
