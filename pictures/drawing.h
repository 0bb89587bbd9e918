#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

namespace Tintora {

// The toolbar pictures, numbered like the toolbar buttons.
enum class Badge { QbColors = 1, Pantone, Rgb, Hex, Swatches, WebBrowser, Help };

inline constexpr std::array<Badge, 7> allBadges
    = {Badge::QbColors, Badge::Pantone,    Badge::Rgb, Badge::Hex,
       Badge::Swatches, Badge::WebBrowser, Badge::Help};

// "badge-qb.png", or "badge-qb-grey.png" for the picture of a disabled button.
QString badgeFileName(Badge which, bool grey);

// The font family the banner and the badges ask for; other machines may substitute it.
QString preferredFontFamily();

QImage drawIcon();
QImage drawBanner();
QImage drawBadge(Badge which, bool grey);
QImage drawSpectrum();
QImage drawGreyRamp();

// Every picture file the program ships, and the picture drawn for a file name
// (a null image for an unknown name).
QStringList pictureFileNames();
QImage drawPicture(const QString &fileName);

} // namespace Tintora
