// Micro-benchmarks of taking a colour in: the nearest catalogue entry by CIEDE2000, the
// catalogue search by name and the colour parser. Part of bench_core.

#include "core/catalog.h"
#include "core/catalogreader.h"
#include "core/catalogsearch.h"
#include "core/colordifference.h"
#include "core/colorparser.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <array>
#include <random>

namespace {

QStringList shippedList(const char *name)
{
    QFile file(QStringLiteral(TINTORA_SOURCE_DIR "/data/Pantone/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read the shipped catalogue's %s", name);
    return Tintora::readCatalogItems(file.readAll());
}

QList<Tintora::ColorValue> shippedColors()
{
    return Tintora::Catalog {shippedList("pantonelist.dat"), shippedList("redlist.dat"),
                             shippedList("greenlist.dat"), shippedList("bluelist.dat")}
        .colors();
}

std::array<Tintora::ColorValue, 1024> randomColors()
{
    std::array<Tintora::ColorValue, 1024> colors {};
    std::mt19937 random(485);
    std::uniform_int_distribution<Tintora::ColorValue> colour(0, Tintora::kWhite);
    for (Tintora::ColorValue &color : colors)
        color = colour(random);
    return colors;
}

// One search for a random colour over the 941 shipped entries, as a colour typed into the
// catalogue panel needs.
void BM_NearestCatalogEntry(benchmark::State &state)
{
    const QList<Tintora::ColorValue> catalogue = shippedColors();
    const Tintora::NearestColorSearch search(catalogue);
    const auto colors = randomColors();
    std::size_t next = 0;
    Tintora::NearestColor found;
    for (auto _ : state) {
        found = search.nearest(colors[next]);
        next = (next + 1) % colors.size();
        benchmark::DoNotOptimize(found);
    }
    if (catalogue.size() != 941 || found.index < 0)
        state.SkipWithError("The search found no entry in the shipped catalogue");
    else if (search.nearest(catalogue[500]).index > 500)
        state.SkipWithError("An entry's own colour found a later entry");
}

// Working out the entries' CIELAB coordinates, once per catalogue.
void BM_NearestSearchSetUp(benchmark::State &state)
{
    const QList<Tintora::ColorValue> catalogue = shippedColors();
    for (auto _ : state) {
        Tintora::NearestColorSearch search(catalogue);
        benchmark::DoNotOptimize(search);
    }
}

// A name typed into the catalogue's number box, over the 941 shipped names.
void BM_CatalogSearchByName(benchmark::State &state)
{
    const QStringList names = shippedList("pantonelist.dat");
    const QString typed = QStringLiteral("485");
    std::optional<int> entry;
    for (auto _ : state) {
        entry = Tintora::findCatalogEntry(typed, names);
        benchmark::DoNotOptimize(entry);
    }
    if (!entry || names[*entry] != QLatin1StringView("485 C"))
        state.SkipWithError("\"485\" did not find \"485 C\"");
}

// One text, in turn each notation a user may hold, as pasted from the clipboard.
void BM_ParseColor(benchmark::State &state)
{
    const std::array<QString, 8> texts {QStringLiteral("#3399CC"),
                                        QStringLiteral("3399cc"),
                                        QStringLiteral("rgb(51, 153, 204)"),
                                        QStringLiteral("RGB(20%,60%,80%)"),
                                        QStringLiteral("hsl(200, 60%, 50%)"),
                                        QStringLiteral("13408563"),
                                        QStringLiteral("51 153 204"),
                                        QStringLiteral("steelblue")};
    std::size_t next = 0;
    for (auto _ : state) {
        const auto color = Tintora::parseColor(texts[next], Tintora::Notation::Any);
        next = (next + 1) % texts.size();
        benchmark::DoNotOptimize(color);
    }
    if (Tintora::parseColor(texts[2], Tintora::Notation::Any) != 13408563)
        state.SkipWithError("rgb(51, 153, 204) did not read as 13408563");
}

} // namespace

BENCHMARK(BM_NearestCatalogEntry)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NearestSearchSetUp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogSearchByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseColor);
