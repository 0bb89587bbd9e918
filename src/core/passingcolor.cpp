#include "core/passingcolor.h"

#include "core/colordifference.h"
#include "core/colorspaces.h"
#include "core/contrast.h"

#include <algorithm>
#include <vector>

namespace Tintora {

namespace {

// Lightnesses first tried, evenly from black to white, a few byte steps apart.
constexpr int kSamples = 128;
// Rounding to bytes makes the path a staircase whose steps do not follow lightness exactly: a
// colour may pass a little before its neighbours do, or lie nearer by ΔE than a neighbour closer
// in lightness, by up to a few tenths near black. So around each boundary between passing and
// failing colours every colour on the path is looked at, down to lightness intervals far narrower
// than a byte step, and further out as long as the colours there come within this margin of the
// nearest found.
constexpr double kResolution = 1e-7;
constexpr double kMargin = 1;

struct Sample
{
    double lightness = 0;
    ColorValue color = 0;
    double ratio = 1;
    double deltaE = 0; // from the foreground; worked out only for passing colours
};

// The foreground's lightness path, and the passing colour on it nearest to the foreground so far.
class PathSearch
{
public:
    PathSearch(ColorValue foreground, ColorValue background, double level)
        : m_foreground(toOklch(foreground))
        , m_lab(toLab(foreground))
        , m_background(background)
        , m_level(level)
    { }

    // The colour at a lightness, considered as a candidate.
    Sample at(double lightness)
    {
        Sample sample;
        sample.lightness = lightness;
        sample.color = fromOklch({lightness, m_foreground.C, m_foreground.h});
        sample.ratio = contrastOf(sample.color, m_background).ratio;
        if (passes(sample)) {
            sample.deltaE = ciede2000(m_lab, toLab(sample.color));
            if (!m_best || sample.deltaE < m_best->deltaE)
                m_best = PassingColor {sample.color, sample.deltaE, sample.ratio};
        }
        return sample;
    }

    bool passes(const Sample &sample) const { return sample.ratio >= m_level; }

    // Whether the colours beyond a passing sample may still come nearer than the nearest found.
    bool promising(const Sample &sample) const
    {
        return passes(sample) && sample.deltaE < m_best->deltaE + kMargin;
    }

    // Considers every colour on the path between two samples: where the two differ, the colour
    // half-way and those either side of it.
    void enumerate(const Sample &first, const Sample &second)
    {
        if (first.color == second.color || second.lightness - first.lightness < kResolution)
            return;
        const Sample middle = at((first.lightness + second.lightness) / 2);
        enumerate(first, middle);
        enumerate(middle, second);
    }

    double lightness() const { return m_foreground.L; }
    const std::optional<PassingColor> &best() const { return m_best; }

private:
    Lch m_foreground;
    Lab m_lab;
    ColorValue m_background;
    double m_level;
    std::optional<PassingColor> m_best;
};

} // namespace

std::optional<PassingColor> nearestPassingColor(ColorValue foreground, ColorValue background,
                                                double level)
{
    const double ratio = contrastOf(foreground, background).ratio;
    if (ratio >= level)
        return PassingColor {foreground, 0, ratio};

    PathSearch search(foreground, background, level);
    std::vector<Sample> samples;
    samples.reserve(kSamples + 2);
    for (int i = 0; i <= kSamples; ++i)
        samples.push_back(search.at(double(i) / kSamples));
    const Sample own {search.lightness(), foreground, ratio};
    samples.insert(std::upper_bound(
                       samples.begin(), samples.end(), own,
                       [](const Sample &a, const Sample &b) { return a.lightness < b.lightness; }),
                   own);
    // The path ends in black and white, which stand out most from any background: when neither
    // passes, nothing does.
    if (!search.best())
        return {};

    const auto last = std::ptrdiff_t(samples.size()) - 1;
    for (std::ptrdiff_t i = 0; i < last; ++i) {
        const bool passing = search.passes(samples[i]);
        if (passing == search.passes(samples[i + 1]))
            continue;
        search.enumerate(samples[i], samples[i + 1]);
        // Outwards on the passing side, interval by interval.
        const std::ptrdiff_t step = passing ? -1 : 1;
        for (std::ptrdiff_t j = passing ? i : i + 1;
             j + step >= 0 && j + step <= last && search.promising(samples[j + step]); j += step)
            search.enumerate(samples[std::min(j, j + step)], samples[std::max(j, j + step)]);
    }
    return search.best();
}

} // namespace Tintora
