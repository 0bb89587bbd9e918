// The icon, the banner and the toolbar badges.

#include "drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace Tintora {

QString preferredFontFamily()
{
    return QStringLiteral("Liberation Sans");
}

namespace {

// The icon's four upright stripes, left to right, on a 32-unit square.
constexpr std::array<QRgb, 4> iconStripes
    = {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 176, 0), qRgb(0, 0, 255)};

} // namespace

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, iconStripes[size_t(x * 4 / size)]);
    return image;
}

QByteArray drawIconSvg()
{
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                     "viewBox=\"0 0 32 32\">\n";
    for (size_t i = 0; i < iconStripes.size(); ++i) {
        svg += "  <rect x=\"" + QByteArray::number(int(i) * 8)
            + "\" y=\"0\" width=\"8\" height=\"32\" fill=\""
            + QColor(iconStripes[i]).name().toLatin1() + "\"/>\n";
    }
    return svg + "</svg>\n";
}

QStringList desktopIconFileNames()
{
    QStringList names;
    for (int size : desktopIconSizes)
        names.append(QStringLiteral("icon-%1.png").arg(size));
    return names;
}

namespace {

QFont boldFont(qreal pixelSize, QFont::HintingPreference hinting)
{
    QFont font(preferredFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setHintingPreference(hinting);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

// Sized in the pixels of a screen at 100 %: a painter on it draws at the given scale.
QImage transparentImage(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

// In toolbar order.
struct BadgeStyle
{
    const char *label;
    const char *fileStem;
    QRgb fill;
    QRgb text;
};

constexpr std::array<BadgeStyle, 7> badgeStyles = {{
    {"QB Colors", "qb", qRgb(64, 208, 200), qRgb(16, 40, 48)},
    {"Pantone", "pantone", qRgb(232, 184, 40), qRgb(56, 36, 0)},
    {"RGB", "rgb", qRgb(244, 120, 104), qRgb(56, 8, 8)},
    {"Hex", "hex", qRgb(216, 204, 248), qRgb(40, 28, 88)},
    {"Swatches", "swatches", qRgb(160, 224, 56), qRgb(20, 48, 0)},
    {"Web Browser", "browser", qRgb(24, 48, 144), qRgb(255, 255, 255)},
    {"Help", "help", qRgb(255, 252, 200), qRgb(40, 40, 24)},
}};

const BadgeStyle &styleOf(Badge which)
{
    return badgeStyles[size_t(int(which) - 1)];
}

// The largest bold face up to 8 px whose label fits the badge, narrowed a little if need be.
QFont badgeFont(const QString &label, qreal room)
{
    QFont font;
    for (int pixelSize : {8, 7}) {
        for (int stretch : {100, 92, 84, 76}) {
            font = boldFont(pixelSize, QFont::PreferFullHinting);
            font.setStretch(stretch);
            if (QFontMetricsF(font).horizontalAdvance(label) <= room)
                return font;
        }
    }
    return font;
}

// Lighter and flatter, for the pictures of disabled buttons.
QImage greyed(const QImage &image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = line[x];
            const double luma = 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
            const int level = int(std::lround(96 + luma * 0.55));
            line[x] = qRgba(level, level, level, qAlpha(p));
        }
    }
    return grey;
}

} // namespace

QString badgeFileName(Badge which, bool grey)
{
    return QStringLiteral("badge-%1%2.png")
        .arg(QLatin1String(styleOf(which).fileStem), grey ? QStringLiteral("-grey") : QString());
}

QImage drawBadge(Badge which, bool grey, int scale)
{
    const BadgeStyle &style = styleOf(which);
    QImage image = transparentImage(50, 21, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Help is a speech bubble: a shorter body with a tail at the lower left.
    const bool bubble = which == Badge::Help;
    const QRectF body(0.5, 0.5, 49, bubble ? 16 : 20);
    QPainterPath shape;
    shape.addRoundedRect(body, 6, 6);
    if (bubble) {
        QPainterPath tail;
        tail.moveTo(9, 15);
        tail.lineTo(7.5, 20.5);
        tail.lineTo(17, 15);
        tail.closeSubpath();
        shape = shape.united(tail);
    }
    const QColor fill = QColor::fromRgb(style.fill);
    QLinearGradient shade(0, 0, 0, body.bottom());
    shade.setColorAt(0, fill.lighter(130));
    shade.setColorAt(0.45, fill);
    shade.setColorAt(1, fill.darker(118));
    painter.fillPath(shape, shade);
    painter.strokePath(shape, QPen(fill.darker(bubble ? 190 : 160), 1));

    const QString label = QLatin1String(style.label);
    painter.setFont(badgeFont(label, body.width() - 3));
    painter.setPen(QColor::fromRgb(style.text));
    painter.drawText(body, Qt::AlignCenter, label);
    painter.end();
    return grey ? greyed(image) : image.convertToFormat(QImage::Format_ARGB32);
}

QImage drawBanner(int scale)
{
    QImage image = transparentImage(311, 42, scale);
    const QString words = QStringLiteral("Tintora Systems Management");
    QPainterPath text;
    text.addText(0, 0, boldFont(64, QFont::PreferNoHinting), words);

    // Fit the words to the picture, letting the letters stand somewhat taller than the face
    // would on its own so that they fill the height.
    const QRectF box = text.boundingRect();
    const QRectF room(2, 3, 305, 35);
    const double sx = room.width() / box.width();
    const double sy = std::min(room.height() / box.height(), sx * 1.3);
    QTransform fit;
    fit.translate(room.left(), room.center().y() - box.height() * sy / 2);
    fit.scale(sx, sy);
    fit.translate(-box.left(), -box.top());
    text = fit.map(text);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(text.translated(1.5, 1.5), QColor(32, 24, 24, 210));
    const QRectF span = text.boundingRect();
    QLinearGradient rainbow(span.left(), 0, span.right(), 0);
    const std::array<QRgb, 7> hues
        = {qRgb(224, 0, 0),   qRgb(255, 128, 0), qRgb(240, 208, 0), qRgb(0, 184, 32),
           qRgb(0, 176, 224), qRgb(24, 64, 232), qRgb(160, 32, 208)};
    for (size_t i = 0; i < hues.size(); ++i)
        rainbow.setColorAt(double(i) / (hues.size() - 1), QColor::fromRgb(hues[i]));
    painter.fillPath(text, rainbow);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

namespace {

// The pictures drawn anew at each of the screen's scales, at scale 1 under their own names.
QStringList scalableFileNames()
{
    QStringList names = {QStringLiteral("icon.png"), QStringLiteral("banner.png")};
    for (bool grey : {false, true})
        for (Badge badge : allBadges)
            names.append(badgeFileName(badge, grey));
    return names;
}

QString scaledFileName(const QString &fileName, int scale)
{
    return fileName.chopped(4) + QStringLiteral("@%1x.png").arg(scale);
}

QImage drawScalable(const QString &fileName, int scale)
{
    if (fileName == QLatin1String("icon.png"))
        return drawIcon(32 * scale);
    if (fileName == QLatin1String("banner.png"))
        return drawBanner(scale);
    for (bool grey : {false, true})
        for (Badge badge : allBadges)
            if (fileName == badgeFileName(badge, grey))
                return drawBadge(badge, grey, scale);
    return {};
}

} // namespace

QStringList pictureFileNames()
{
    QStringList names = scalableFileNames();
    names += {QStringLiteral("swatch-colors.png"), QStringLiteral("swatch-greys.png")};
    for (int scale : pictureScales)
        for (const QString &name : scalableFileNames())
            names.append(scaledFileName(name, scale));
    return names;
}

QImage drawPicture(const QString &fileName)
{
    for (int size : desktopIconSizes)
        if (fileName == QStringLiteral("icon-%1.png").arg(size))
            return drawIcon(size);
    if (fileName == QLatin1String("swatch-colors.png"))
        return drawSpectrum();
    if (fileName == QLatin1String("swatch-greys.png"))
        return drawGreyRamp();
    for (int scale : pictureScales)
        for (const QString &name : scalableFileNames())
            if (fileName == scaledFileName(name, scale))
                return drawScalable(name, scale);
    return drawScalable(fileName, 1);
}

} // namespace Tintora
