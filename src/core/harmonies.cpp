#include "core/harmonies.h"

#include "core/colorspaces.h"

#include <cstdlib>

namespace Tintora {

namespace {

struct Turns
{
    QString name;
    QList<int> degrees;
};

Turns turnsOf(Harmony harmony)
{
    switch (harmony) {
    case Harmony::Complementary:
        return {QStringLiteral("Complementary"), {180}};
    case Harmony::Analogous:
        return {QStringLiteral("Analogous"), {-30, 30}};
    case Harmony::Triadic:
        return {QStringLiteral("Triadic"), {120, -120}};
    case Harmony::SplitComplementary:
        return {QStringLiteral("Split-complementary"), {150, -150}};
    case Harmony::Tetradic:
        break;
    }
    return {QStringLiteral("Tetradic"), {90, 180, 270}};
}

// "+30°", and "−30°" with a true minus sign, which screen readers say as "minus".
QString signedDegrees(int degrees)
{
    return (degrees < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
        + QString::number(std::abs(degrees)) + QStringLiteral("°");
}

} // namespace

QList<Swatch> variationsOf(ColorValue color, Variation variation, int steps)
{
    const Lch base = toOklch(color);
    QList<Swatch> swatches;
    for (int step = 1; step <= steps; ++step) {
        const double t = double(step) / (steps + 1);
        Lch lch = base;
        QString name;
        switch (variation) {
        case Variation::Tints:
            lch.L += (1 - base.L) * t;
            name = QStringLiteral("Tint");
            break;
        case Variation::Shades:
            lch.L -= base.L * t;
            name = QStringLiteral("Shade");
            break;
        case Variation::Tones:
            lch.C -= base.C * t;
            name = QStringLiteral("Tone");
            break;
        }
        swatches.append({fromOklch(lch), name + u' ' + QString::number(step)});
    }
    return swatches;
}

QList<Swatch> harmonyOf(ColorValue color, Harmony harmony)
{
    const Lch base = toOklch(color);
    const Turns turns = turnsOf(harmony);
    QList<Swatch> swatches;
    for (const int degrees : turns.degrees) {
        Lch lch = base;
        lch.h += degrees;
        swatches.append({fromOklch(lch), turns.name + u' ' + signedDegrees(degrees)});
    }
    return swatches;
}

} // namespace Tintora
