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
// Scale 2 draws the picture at twice the pixels for a screen at 200 %, and so on.
QImage drawBanner(int scale = 1);
QImage drawBadge(Badge which, bool grey, int scale = 1);
QImage drawSpectrum();
QImage drawGreyRamp();

// Besides each picture "name.png" that holds text or curves, the program embeds "name@2x.png" and
// "name@3x.png" drawn at those scales: Qt takes the file for the screen's scale, and shrinks it
// for the scales between (125 % and 150 % from the @2x file), which keeps the edges sharp. The
// swatch pictures have none: the program shows each of their pixels as a block of the screen's.
inline constexpr std::array<int, 2> pictureScales = {2, 3};

// Every picture file the program embeds, the icon files installed for the desktop ("icon-16.png"
// and up), and the picture drawn for any of these names (a null image for an unknown name).
QStringList pictureFileNames();
QStringList desktopIconFileNames();
QImage drawPicture(const QString &fileName);

} // namespace Tintora
