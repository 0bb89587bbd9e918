// Micro-benchmarks of CMYK through a colour profile: one colour with its round trip, the
// converter's set-up when the colour window opens, and the search of the profile folders. Part
// of bench_core; they need Ghostscript's CMYK profile (libgs-common).

#include "core/cmykconverter.h"
#include "core/cmykprofiles.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>

namespace {

const QString kProfile = QStringLiteral("/usr/share/color/icc/") + Tintora::defaultCmykProfile();

// One random colour after another through the default profile, the round trip's ΔE included, as
// every change of the colour window's colour needs.
void BM_CmykConvert(benchmark::State &state)
{
    const Tintora::CmykConverter converter(kProfile,
                                           Tintora::RenderingIntent::RelativeColorimetric);
    std::array<Tintora::ColorValue, 1024> colors {};
    std::mt19937 random(485);
    std::uniform_int_distribution<Tintora::ColorValue> colour(0, Tintora::kWhite);
    for (Tintora::ColorValue &color : colors)
        color = colour(random);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto cmyk = converter.convert(colors[next]);
        next = (next + 1) % colors.size();
        benchmark::DoNotOptimize(cmyk);
    }
    if (!converter.isReady())
        state.SkipWithError(qPrintable(converter.problem()));
}

// Reading the profile and making its three transforms, once for each profile and intent chosen.
void BM_CmykConverterSetUp(benchmark::State &state)
{
    const auto intent = Tintora::RenderingIntent(state.range(0));
    bool ready = true;
    for (auto _ : state) {
        const Tintora::CmykConverter converter(kProfile, intent);
        ready = ready && converter.isReady();
    }
    if (!ready)
        state.SkipWithError("The default CMYK profile is missing or cannot be used");
}

// The search of the usual profile folders, which fills the colour window's list of profiles.
void BM_CmykProfileScan(benchmark::State &state)
{
    qsizetype found = 0;
    for (auto _ : state) {
        const Tintora::CmykProfileScan scan = Tintora::findCmykProfiles();
        found = scan.profiles.size();
    }
    state.counters["profiles"] = double(found);
    if (found == 0)
        state.SkipWithError("No CMYK profile was found");
}

} // namespace

BENCHMARK(BM_CmykConvert)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CmykConverterSetUp)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CmykProfileScan)->Unit(benchmark::kMillisecond);
