#pragma once

#include <QByteArray>
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

// The program's icon, a square of size pixels; the desktop's icon sizes; its scalable version.
QImage drawIcon(int size);
inline constexpr std::array<int, 6> desktopIconSizes = {16, 32, 48, 64, 128, 256};
QByteArray drawIconSvg();
QImage drawBanner();
QImage drawBadge(Badge which, bool grey);
QImage drawSpectrum();
QImage drawGreyRamp();

// Every picture file the program embeds, the icon files installed for the desktop ("icon-16.png"
// and up), and the picture drawn for any of these names (a null image for an unknown name).
QStringList pictureFileNames();
QStringList desktopIconFileNames();
QImage drawPicture(const QString &fileName);

} // namespace Tintora
