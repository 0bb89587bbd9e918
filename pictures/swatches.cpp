// The two swatch pictures: a dithered colour spectrum and a dithered grey ramp.

#include "drawing.h"

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

} // namespace Tintora
