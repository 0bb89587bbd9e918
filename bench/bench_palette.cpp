// Loading and saving a palette of 10 000 named colours in each format the program reads and
// writes, through the files as the palette window and the store use them (a save includes
// writing a new file, flushing it to the disk and renaming it). Part of bench_core.

#include "core/palettefile.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <array>

namespace {

constexpr std::array<const char *, 3> kSuffixes {"gpl", "ase", "soc"};

Tintora::Palette tenThousandColors()
{
    Tintora::Palette palette {QStringLiteral("Benchmark"), {}};
    for (int i = 0; i < 10'000; ++i)
        palette.entries.append({QStringLiteral("Colour %1").arg(i), i * 1677});
    return palette;
}

QString paletteFile(const QTemporaryDir &dir, const benchmark::State &state)
{
    return dir.filePath(QStringLiteral("palette.")
                        + QLatin1StringView(kSuffixes.at(std::size_t(state.range(0)))));
}

void BM_PaletteSave(benchmark::State &state)
{
    state.SetLabel(kSuffixes.at(std::size_t(state.range(0))));
    const QTemporaryDir dir;
    const QString path = paletteFile(dir, state);
    const Tintora::Palette palette = tenThousandColors();
    QString error;
    for (auto _ : state) {
        error = Tintora::writePaletteFile(path, palette);
        benchmark::DoNotOptimize(error);
    }
    if (!error.isEmpty())
        state.SkipWithError(qPrintable(error));
}

void BM_PaletteLoad(benchmark::State &state)
{
    state.SetLabel(kSuffixes.at(std::size_t(state.range(0))));
    const QTemporaryDir dir;
    const QString path = paletteFile(dir, state);
    const Tintora::Palette palette = tenThousandColors();
    if (const QString error = Tintora::writePaletteFile(path, palette); !error.isEmpty())
        return state.SkipWithError(qPrintable(error));
    Tintora::PaletteLoad load;
    for (auto _ : state) {
        load = Tintora::readPaletteFile(path);
        benchmark::DoNotOptimize(load);
    }
    if (load.palette.entries != palette.entries)
        state.SkipWithError("The palette read back differs from the one written");
}

} // namespace

BENCHMARK(BM_PaletteSave)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaletteLoad)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
