#include "core/colordifference.h"

#include "core/qbcolors.h"

#include <cmath>
#include <numbers>

namespace Tintora {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

double power7(double x)
{
    const double x2 = x * x;
    return x2 * x2 * x2 * x;
}

double chromaOf(const Lab &lab)
{
    return std::hypot(lab.a, lab.b);
}

// Hue angle in degrees, 0 to 360; 0 for a neutral colour.
double hueAngle(double b, double aPrime)
{
    if (b == 0 && aPrime == 0)
        return 0;
    const double h = std::atan2(b, aPrime) / kDegree;
    return h < 0 ? h + 360 : h;
}

double lightnessWeight(double meanL)
{
    const double d = (meanL - 50) * (meanL - 50);
    return 1 + 0.015 * d / std::sqrt(20 + d);
}

// ΔE00 with each colour's chroma C*ab already known.
double deltaE00(const Lab &lab1, double c1, const Lab &lab2, double c2)
{
    constexpr double pow25to7 = 6103515625.0; // 25⁷
    const double meanC7 = power7((c1 + c2) / 2);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + pow25to7)));
    const double a1 = (1 + g) * lab1.a;
    const double a2 = (1 + g) * lab2.a;
    const double cp1 = std::hypot(a1, lab1.b);
    const double cp2 = std::hypot(a2, lab2.b);
    const double hp1 = hueAngle(lab1.b, a1);
    const double hp2 = hueAngle(lab2.b, a2);

    const double deltaL = lab2.L - lab1.L;
    const double deltaC = cp2 - cp1;
    const bool neutral = cp1 * cp2 == 0;
    double deltaH = hp2 - hp1;
    if (neutral)
        deltaH = 0;
    else if (deltaH > 180)
        deltaH -= 360;
    else if (deltaH < -180)
        deltaH += 360;
    const double deltaBigH = 2 * std::sqrt(cp1 * cp2) * std::sin(deltaH * kDegree / 2);

    const double meanL = (lab1.L + lab2.L) / 2;
    const double meanCp = (cp1 + cp2) / 2;
    double meanH = hp1 + hp2;
    if (!neutral) {
        if (std::fabs(hp1 - hp2) <= 180)
            meanH /= 2;
        else
            meanH = meanH < 360 ? (meanH + 360) / 2 : (meanH - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos((meanH - 30) * kDegree)
        + 0.24 * std::cos(2 * meanH * kDegree) + 0.32 * std::cos((3 * meanH + 6) * kDegree)
        - 0.20 * std::cos((4 * meanH - 63) * kDegree);
    const double deltaTheta = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
    const double meanCp7 = power7(meanCp);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + pow25to7));
    const double rt = -std::sin(2 * deltaTheta * kDegree) * rc;

    const double l = deltaL / lightnessWeight(meanL);
    const double c = deltaC / (1 + 0.045 * meanCp);
    const double h = deltaBigH / (1 + 0.015 * meanCp * t);
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace

Lab toLab(ColorValue color)
{
    return rgbToLabD65(toRgb(color));
}

double ciede2000(const Lab &first, const Lab &second)
{
    return deltaE00(first, chromaOf(first), second, chromaOf(second));
}

NearestColorSearch::NearestColorSearch(QList<ColorValue> colors)
    : m_colors(std::move(colors))
{
    m_entries.reserve(std::size_t(m_colors.size()));
    for (const ColorValue color : std::as_const(m_colors)) {
        const Lab lab = toLab(color);
        m_entries.push_back({lab, chromaOf(lab)});
    }
}

NearestColor NearestColorSearch::nearest(ColorValue color) const
{
    const Lab lab = toLab(color);
    const double chroma = chromaOf(lab);
    NearestColor best;
    double bestSquare = INFINITY;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        // ΔE00² is (ΔL'/SL)² plus a term that is never negative (|RT| < 2), so an entry whose
        // lightness alone differs as much as the best one's whole difference cannot be nearer.
        const double deltaL = (entry.lab.L - lab.L) / lightnessWeight((entry.lab.L + lab.L) / 2);
        if (deltaL * deltaL >= bestSquare)
            continue;
        const double deltaE = deltaE00(lab, chroma, entry.lab, entry.chroma);
        if (deltaE * deltaE < bestSquare) {
            bestSquare = deltaE * deltaE;
            best.index = int(i);
            best.deltaE = deltaE;
        }
    }
    best.exact = best.index >= 0 && m_colors[best.index] == color;
    return best;
}

NearestColor nearestQbColor(ColorValue color)
{
    static const NearestColorSearch qbColors(QList<ColorValue>(kQbColors.begin(), kQbColors.end()));
    return qbColors.nearest(color);
}

} // namespace Tintora
