#pragma once

#include "core/colorvalue.h"

#include <QList>
#include <QString>

#include <array>

namespace Tintora {

// A colour worked out from another, labelled with what it is to that colour: "Tint 2",
// "Triadic +120°".
struct Swatch
{
    ColorValue color = 0;
    QString label;
};

// Steps from a colour in OKLCH, each brought into sRGB by gamutMap(): tints lighter towards white
// and shades darker towards black, evenly in lightness, keeping hue and chroma where sRGB has
// them; tones towards the grey of the same lightness, evenly in chroma. The first step lies next
// to the colour, the last one step short of white, black or the grey.
enum class Variation { Tints, Shades, Tones };
inline constexpr std::array kVariations {Variation::Tints, Variation::Shades, Variation::Tones};
QList<Swatch> variationsOf(ColorValue color, Variation variation, int steps = 5);

// Colours that go with a colour: the same OKLCH lightness and chroma turned around the hue circle
// (then brought into sRGB by gamutMap()). Complementary +180°; analogous ±30°; triadic ±120°;
// split-complementary 180° ± 30°, that is ±150°; tetradic as the square, +90°, +180° and +270°.
// The colour itself is not among them.
enum class Harmony { Complementary, Analogous, Triadic, SplitComplementary, Tetradic };
inline constexpr std::array kHarmonies {Harmony::Complementary, Harmony::Analogous,
                                        Harmony::Triadic, Harmony::SplitComplementary,
                                        Harmony::Tetradic};
QList<Swatch> harmonyOf(ColorValue color, Harmony harmony);

} // namespace Tintora
