// Micro-benchmarks of taking a colour in and giving it out: the nearest catalogue entry by
// CIEDE2000, the catalogue search by name, the colour parser and finder, every notation of a
// colour and the colour window showing them. Part of bench_core.

#include "core/catalog.h"
#include "core/catalogreader.h"
#include "core/catalogsearch.h"
#include "core/colordifference.h"
#include "core/colorfinder.h"
#include "core/colorparser.h"
#include "core/notations.h"
#include "core/notationsource.h"
#include "tools/colordetailswindow.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>

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

// Every row of the colour window for one colour, the nearest catalogue entry among the 941
// shipped ones included; the CMYK row's text comes from elsewhere.
void BM_NotationRows(benchmark::State &state)
{
    const QList<Tintora::ColorValue> catalogue = shippedColors();
    const QStringList names = shippedList("pantonelist.dat");
    const Tintora::NearestColorSearch search(catalogue);
    const Tintora::CatalogNames catalog {&search, &names};
    const auto colors = randomColors();
    std::size_t next = 0;
    QList<Tintora::NotationRow> rows;
    for (auto _ : state) {
        rows = Tintora::notationRows(colors[next], catalog);
        next = (next + 1) % colors.size();
        benchmark::DoNotOptimize(rows);
    }
    if (rows.size() != int(Tintora::ColorNotation::Catalog) + 1 || rows.last().text.isEmpty())
        state.SkipWithError("A row is missing");
}

// One change of the colour window's colour: every row made, CMYK through the SWOP profile (its
// converter made once, before) and the nearest of the 941 shipped entries included, and the
// window's controls given the new texts; "repaint" adds a synchronous repaint of the window.
void BM_ColorDetailsUpdate(benchmark::State &state)
{
    const bool repaint = state.range(0) != 0;
    const Tintora::NearestColorSearch search(shippedColors());
    const QStringList names = shippedList("pantonelist.dat");
    Tintora::NotationSource source([&search, &names] {
        return Tintora::CatalogNames {&search, &names};
    });
    QWidget mainWindow;
    Tintora::ColorDetailsWindow details(source, &mainWindow);
    details.showColor(Tintora::kBlack);
    details.showBeside();
    QCoreApplication::processEvents();
    const auto colors = randomColors();
    std::size_t next = 0;
    for (auto _ : state) {
        details.showColor(colors[next]);
        if (repaint)
            details.repaint();
        next = (next + 1) % colors.size();
    }
    const auto *cmyk = details.findChild<QLineEdit *>(QStringLiteral("txtNotationCmyk"));
    if (!cmyk || cmyk->text().isEmpty())
        state.SkipWithError("The CMYK row shows no numbers: is libgs-common installed?");
}

// Each form that style sheets added, parsed as pasted; the last is mapped into sRGB.
const std::array<QString, 8> kStyleSheetForms {QStringLiteral("rgb(51 153 204 / 50%)"),
                                               QStringLiteral("hsla(200, 60%, 50%, 0.5)"),
                                               QStringLiteral("hwb(200 20% 20%)"),
                                               QStringLiteral("lab(59.19 -16.95 -35.28)"),
                                               QStringLiteral("oklch(64.75% 0.11866 235.02)"),
                                               QStringLiteral("#3399CC80"),
                                               QStringLiteral("color: #1e90ff;"),
                                               QStringLiteral("oklch(0.7 0.4 150)")};

void BM_ParseStyleSheetForm(benchmark::State &state)
{
    const QString &text = kStyleSheetForms[std::size_t(state.range(0))];
    state.SetLabel(text.toStdString());
    std::optional<Tintora::ParsedColor> color;
    for (auto _ : state) {
        color = Tintora::parseColorText(text, Tintora::Notation::Any);
        benchmark::DoNotOptimize(color);
    }
    if (!color)
        state.SkipWithError("The form was refused");
}

// Every colour of a style sheet of about 100 KiB, as a palette import reads it.
void BM_FindColorsInStyleSheet(benchmark::State &state)
{
    const QString rule = QStringLiteral(
        ".button-primary:hover { color: #1e90ff; border: 1px solid rgb(51 153 204 / 50%);\n"
        "  background: url(images/bg.png) linear-gradient(to right, oklch(0.7 0.1 240), white); "
        "font: 12px/1.5 sans-serif; }\n");
    const QString sheet = rule.repeated(100 * 1024 / rule.size());
    Tintora::FoundColors found;
    for (auto _ : state) {
        found = Tintora::findColors(sheet);
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * sheet.size() * qsizetype(sizeof(QChar)));
    if (found.colors.size() != 4 * (sheet.size() / rule.size()))
        state.SkipWithError("Not every colour was found");
}

} // namespace

BENCHMARK(BM_NotationRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColorDetailsUpdate)
    ->ArgName("repaint")
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseStyleSheetForm)->DenseRange(0, int(kStyleSheetForms.size()) - 1);
BENCHMARK(BM_FindColorsInStyleSheet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NearestCatalogEntry)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NearestSearchSetUp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogSearchByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseColor);
