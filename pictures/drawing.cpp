#include "drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

namespace Tintora {

namespace {

using Colour = std::array<double, 3>;

// A monotone cubic through the table (Fritsch-Butland tangents), so a ramp drawn from a few
// table rows never overshoots between them; outside the table it continues along the end slope.
double monotoneCurve(std::span<const double> xs, std::span<const double> ys, double x)
{
    const size_t n = xs.size();
    auto slope = [&](size_t k) {
        return (ys[k + 1] - ys[k]) / (xs[k + 1] - xs[k]);
    };
    auto tangent = [&](size_t k) {
        if (k == 0)
            return slope(0);
        if (k == n - 1)
            return slope(n - 2);
        const double d0 = slope(k - 1), d1 = slope(k);
        if (d0 * d1 <= 0)
            return 0.0;
        const double h0 = xs[k] - xs[k - 1], h1 = xs[k + 1] - xs[k];
        const double w0 = 2 * h1 + h0, w1 = h1 + 2 * h0;
        return (w0 + w1) / (w0 / d0 + w1 / d1);
    };
    if (x <= xs[0])
        return ys[0] + (x - xs[0]) * tangent(0);
    if (x >= xs[n - 1])
        return ys[n - 1] + (x - xs[n - 1]) * tangent(n - 1);
    size_t k = 0;
    while (x > xs[k + 1])
        ++k;
    const double h = xs[k + 1] - xs[k], t = (x - xs[k]) / h;
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * ys[k] + (t3 - 2 * t2 + t) * h * tangent(k)
        + (-2 * t3 + 3 * t2) * ys[k + 1] + (t3 - t2) * h * tangent(k + 1);
}

Colour toColour(QRgb rgb)
{
    return {double(qRed(rgb)), double(qGreen(rgb)), double(qBlue(rgb))};
}

struct ForcedPixel
{
    int x;
    int y;
    int index;
};

// Floyd-Steinberg error diffusion on a serpentine path. Forced pixels take the given palette
// entry whatever the error, so fixed sample colours survive the dithering.
QImage dither(const std::vector<Colour> &pixels, int width, int height, const QList<QRgb> &palette,
              std::span<const ForcedPixel> forced)
{
    std::vector<Colour> entries;
    for (QRgb rgb : palette)
        entries.push_back(toColour(rgb));
    auto nearest = [&](const Colour &c) {
        int best = 0;
        double bestDistance = 1e300;
        for (size_t i = 0; i < entries.size(); ++i) {
            double d = 0;
            for (int ch = 0; ch < 3; ++ch)
                d += (c[ch] - entries[i][ch]) * (c[ch] - entries[i][ch]);
            if (d < bestDistance) {
                bestDistance = d;
                best = int(i);
            }
        }
        return best;
    };

    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(palette);
    std::vector<Colour> work = pixels;
    for (int y = 0; y < height; ++y) {
        const int dir = y % 2 == 0 ? 1 : -1;
        uchar *line = image.scanLine(y);
        for (int i = 0; i < width; ++i) {
            const int x = dir > 0 ? i : width - 1 - i;
            Colour value = work[size_t(y) * width + x];
            for (double &ch : value)
                ch = std::clamp(ch, 0.0, 255.0);
            auto pin = std::find_if(forced.begin(), forced.end(),
                                    [&](const ForcedPixel &f) { return f.x == x && f.y == y; });
            const int index = pin != forced.end() ? pin->index : nearest(value);
            line[x] = uchar(index);
            auto spread = [&](int dx, int dy, double share) {
                const int tx = x + dx * dir, ty = y + dy;
                if (tx < 0 || tx >= width || ty >= height)
                    return;
                for (int ch = 0; ch < 3; ++ch)
                    work[size_t(ty) * width + tx][ch] += (value[ch] - entries[index][ch]) * share;
            };
            spread(1, 0, 7.0 / 16);
            spread(-1, 1, 3.0 / 16);
            spread(0, 1, 5.0 / 16);
            spread(1, 1, 1.0 / 16);
        }
    }
    return image;
}

// Median cut: keep splitting a box at the median of its widest channel.
QList<QRgb> medianCut(std::vector<QRgb> colours, int count)
{
    struct Box
    {
        size_t begin;
        size_t end;
        int axis = 0;
        int range = 0;
    };
    auto channel = [](QRgb c, int axis) {
        return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
    };
    auto measure = [&](Box box) {
        for (int axis = 0; axis < 3; ++axis) {
            auto [lo, hi] = std::minmax_element(
                colours.begin() + box.begin, colours.begin() + box.end,
                [&](QRgb a, QRgb b) { return channel(a, axis) < channel(b, axis); });
            const int range = channel(*hi, axis) - channel(*lo, axis);
            if (range > box.range) {
                box.range = range;
                box.axis = axis;
            }
        }
        return box;
    };
    // Boxes holding many colours over a wide range split first.
    auto score = [](const Box &b) {
        return double(b.range) * double(b.end - b.begin);
    };
    std::vector<Box> boxes {measure({0, colours.size()})};
    while (int(boxes.size()) < count) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [&](const Box &a, const Box &b) {
            return score(a) < score(b);
        });
        if (widest->range == 0)
            break;
        const Box box = *widest;
        const size_t middle = box.begin + (box.end - box.begin) / 2;
        std::nth_element(
            colours.begin() + box.begin, colours.begin() + middle, colours.begin() + box.end,
            [&](QRgb a, QRgb b) { return channel(a, box.axis) < channel(b, box.axis); });
        *widest = measure({box.begin, middle});
        boxes.push_back(measure({middle, box.end}));
    }
    QList<QRgb> palette;
    for (const Box &box : boxes) {
        Colour sum {};
        for (size_t i = box.begin; i < box.end; ++i)
            for (int ch = 0; ch < 3; ++ch)
                sum[ch] += channel(colours[i], ch);
        const double n = double(box.end - box.begin);
        palette.append(qRgb(int(std::lround(sum[0] / n)), int(std::lround(sum[1] / n)),
                            int(std::lround(sum[2] / n))));
    }
    return palette;
}

// --- The colour spectrum -------------------------------------------------------------------

constexpr int spectrumWidth = 158;
constexpr int spectrumHeight = 110;

struct SpectrumSample
{
    int x;
    int y;
    QRgb rgb;
};

// Colours the picker is known to show at these points; the first seven make up row 0.
constexpr std::array<SpectrumSample, 10> spectrumSamples = {{
    {0, 0, qRgb(236, 22, 4)},
    {30, 0, qRgb(228, 246, 4)},
    {60, 0, qRgb(4, 246, 36)},
    {90, 0, qRgb(4, 246, 236)},
    {120, 0, qRgb(12, 6, 244)},
    {150, 0, qRgb(236, 6, 244)},
    {157, 0, qRgb(244, 6, 212)},
    {79, 55, qRgb(28, 214, 148)},
    {0, 109, qRgb(156, 102, 84)},
    {157, 109, qRgb(148, 90, 148)},
}};
constexpr int rowZeroSamples = 7;
constexpr double spectrumGrey = 120;
constexpr double bumpRadius = 24;

// Row 0 runs round the hue circle; between the samples one channel changes at a time.
Colour rowZeroColour(double x)
{
    int k = 0;
    while (k < rowZeroSamples - 2 && x > spectrumSamples[k + 1].x)
        ++k;
    const Colour a = toColour(spectrumSamples[k].rgb), b = toColour(spectrumSamples[k + 1].rgb);
    const double t = (x - spectrumSamples[k].x) / (spectrumSamples[k + 1].x - spectrumSamples[k].x);
    return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
}

// How far each row has faded towards the grey.
double greyWeight(double y)
{
    static constexpr double rows[] = {0, 8, 24, 40, 56, 72, 88, 104};
    static constexpr double weights[] = {0, 0.02, 0.11, 0.23, 0.36, 0.48, 0.61, 0.73};
    return monotoneCurve(rows, weights, y);
}

Colour fadedColour(double x, double y)
{
    const Colour top = rowZeroColour(x);
    const double w = greyWeight(y);
    return {top[0] * (1 - w) + spectrumGrey * w, top[1] * (1 - w) + spectrumGrey * w,
            top[2] * (1 - w) + spectrumGrey * w};
}

double bump(const SpectrumSample &centre, double x, double y)
{
    const double dx = x - centre.x, dy = y - centre.y;
    return std::exp(-(dx * dx + dy * dy) / (2 * bumpRadius * bumpRadius));
}

// The faded rows plus one gaussian bump per sample, weighted (by solving the small linear
// system) so that the surface passes through every sample colour.
std::vector<Colour> spectrumDesign(const QRect &area)
{
    constexpr int n = spectrumSamples.size();
    std::array<std::array<double, n + 3>, n> system {};
    for (int i = 0; i < n; ++i) {
        const SpectrumSample &s = spectrumSamples[i];
        for (int j = 0; j < n; ++j)
            system[i][j] = bump(spectrumSamples[j], s.x, s.y);
        const Colour want = toColour(s.rgb), have = fadedColour(s.x, s.y);
        for (int ch = 0; ch < 3; ++ch)
            system[i][n + ch] = want[ch] - have[ch];
    }
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int row = col + 1; row < n; ++row)
            if (std::abs(system[row][col]) > std::abs(system[pivot][col]))
                pivot = row;
        std::swap(system[col], system[pivot]);
        for (int row = 0; row < n; ++row) {
            if (row == col)
                continue;
            const double factor = system[row][col] / system[col][col];
            for (int k = col; k < n + 3; ++k)
                system[row][k] -= factor * system[col][k];
        }
    }

    std::vector<Colour> pixels;
    pixels.reserve(size_t(area.width()) * area.height());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            Colour c = fadedColour(x, y);
            for (int j = 0; j < n; ++j) {
                const double b = bump(spectrumSamples[j], x, y);
                for (int ch = 0; ch < 3; ++ch)
                    c[ch] += b * system[j][n + ch] / system[j][j];
            }
            pixels.push_back(c);
        }
    }
    return pixels;
}

} // namespace

QImage drawSpectrum()
{
    const std::vector<Colour> design = spectrumDesign(QRect(0, 0, spectrumWidth, spectrumHeight));
    // The palette comes from a slightly larger surface, so that the colours along the edges lie
    // inside the palette rather than beyond it, where the dithering would scatter specks.
    std::vector<QRgb> colours;
    for (const Colour &c : spectrumDesign(QRect(-2, -12, spectrumWidth + 4, spectrumHeight + 24)))
        colours.push_back(qRgb(int(std::lround(std::clamp(c[0], 0.0, 255.0))),
                               int(std::lround(std::clamp(c[1], 0.0, 255.0))),
                               int(std::lround(std::clamp(c[2], 0.0, 255.0)))));
    QList<QRgb> palette = medianCut(colours, 256 - int(spectrumSamples.size()));
    std::vector<ForcedPixel> forced;
    for (const SpectrumSample &s : spectrumSamples) {
        forced.push_back({s.x, s.y, int(palette.size())});
        palette.append(s.rgb);
    }
    return dither(design, spectrumWidth, spectrumHeight, palette, forced);
}

QImage drawGreyRamp()
{
    constexpr int width = 207, height = 120;
    static constexpr double rows[]
        = {0, 8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104, 112, 119};
    static constexpr double greys[]
        = {252, 247, 235, 209, 184, 149, 113, 76, 62, 34, 27, 18, 13, 9, 7, 7};
    // Entry i is (i, i + 2, i): the ramp's greys lean two steps towards green, so the picker
    // reads FCFEFC at the top left; the two brightest entries lean the other way to stay in range.
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, i <= 253 ? i + 2 : i - 2, i));
    std::vector<Colour> pixels;
    for (int y = 0; y < height; ++y) {
        const double red = monotoneCurve(rows, greys, y) - 2.0 / 3;
        pixels.insert(pixels.end(), width, Colour {red, red + 2, red});
    }
    const std::array<ForcedPixel, 1> topLeft = {{{0, 0, 252}}};
    return dither(pixels, width, height, palette, topLeft);
}

QString preferredFontFamily()
{
    return QStringLiteral("Liberation Sans");
}

QImage drawIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    const std::array<QRgb, 4> stripes
        = {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 176, 0), qRgb(0, 0, 255)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, stripes[size_t(x / 8)]);
    return image;
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

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
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

QImage drawBadge(Badge which, bool grey)
{
    const BadgeStyle &style = styleOf(which);
    QImage image = transparentImage(50, 21);
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

QImage drawBanner()
{
    QImage image = transparentImage(311, 42);
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

QStringList pictureFileNames()
{
    QStringList names = {QStringLiteral("icon.png"), QStringLiteral("banner.png"),
                         QStringLiteral("swatch-colors.png"), QStringLiteral("swatch-greys.png")};
    for (bool grey : {false, true})
        for (Badge badge : allBadges)
            names.append(badgeFileName(badge, grey));
    return names;
}

QImage drawPicture(const QString &fileName)
{
    if (fileName == QLatin1String("icon.png"))
        return drawIcon();
    if (fileName == QLatin1String("banner.png"))
        return drawBanner();
    if (fileName == QLatin1String("swatch-colors.png"))
        return drawSpectrum();
    if (fileName == QLatin1String("swatch-greys.png"))
        return drawGreyRamp();
    for (bool grey : {false, true})
        for (Badge badge : allBadges)
            if (fileName == badgeFileName(badge, grey))
                return drawBadge(badge, grey);
    return {};
}

} // namespace Tintora
