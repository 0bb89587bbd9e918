// Micro-benchmarks of the colour tools' arithmetic: the nearest colour that passes a contrast
// level, a colour's tints, shades, tones and harmonies, and how it looks with each colour-vision
// deficiency. Part of bench_core.

#include "core/colorvision.h"
#include "core/contrast.h"
#include "core/harmonies.h"
#include "core/passingcolor.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// Random pairs of text and back colour that fail a level, the same on every run.
std::vector<std::pair<Tintora::ColorValue, Tintora::ColorValue>> failingPairs(double level)
{
    std::vector<std::pair<Tintora::ColorValue, Tintora::ColorValue>> pairs;
    std::mt19937 random(23);
    std::uniform_int_distribution<Tintora::ColorValue> colour(0, Tintora::kWhite);
    while (pairs.size() < 512) {
        const Tintora::ColorValue text = colour(random), back = colour(random);
        if (Tintora::contrastOf(text, back).ratio < level)
            pairs.emplace_back(text, back);
    }
    return pairs;
}

// One failing pair after another; the argument is the level in tenths, 45 for AA, 70 for AAA.
void BM_NearestPassingColor(benchmark::State &state)
{
    const double level = state.range(0) / 10.0;
    const auto pairs = failingPairs(level);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto passing
            = Tintora::nearestPassingColor(pairs[next].first, pairs[next].second, level);
        next = (next + 1) % pairs.size();
        benchmark::DoNotOptimize(passing);
    }
    // Grey text on white fails AA, 4.48:1, and a darker grey passes either level.
    const Tintora::ColorValue grey = Tintora::colorValue(0x77, 0x77, 0x77);
    const auto passing = Tintora::nearestPassingColor(grey, Tintora::kWhite, level);
    if (!passing || Tintora::contrastOf(passing->color, Tintora::kWhite).ratio < level)
        state.SkipWithError("Grey on white found no passing colour");
}

// The next colour of a walk through all of them with a large odd stride, so that each benchmark
// sees a spread of colours without a table.
Tintora::ColorValue nextColor(Tintora::ColorValue color)
{
    return (color + 0x9E3779) & Tintora::kWhite;
}

// Everything the harmonies tool shows for one colour: five tints, shades and tones, and every
// harmony.
void BM_Harmonies(benchmark::State &state)
{
    Tintora::ColorValue color = 0;
    qsizetype swatches = 0;
    for (auto _ : state) {
        swatches = 0;
        for (const Tintora::Variation variation : Tintora::kVariations)
            swatches += Tintora::variationsOf(color, variation).size();
        for (const Tintora::Harmony harmony : Tintora::kHarmonies)
            swatches += Tintora::harmonyOf(color, harmony).size();
        color = nextColor(color);
        benchmark::DoNotOptimize(swatches);
    }
    if (swatches != 25)
        state.SkipWithError("Not 25 swatches");
}

// One colour as each deficiency sees it.
void BM_ColorVision(benchmark::State &state)
{
    Tintora::ColorValue color = 0;
    for (auto _ : state) {
        for (const Tintora::ColorVision vision : Tintora::kColorVisions)
            benchmark::DoNotOptimize(Tintora::simulateColorVision(color, vision));
        color = nextColor(color);
    }
}

} // namespace

BENCHMARK(BM_NearestPassingColor)->Arg(45)->Arg(70)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Harmonies)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColorVision);
