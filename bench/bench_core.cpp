// Micro-benchmarks of the colour arithmetic, the display routines driven through their real
// widgets, the page writer and the catalogue loader, on real catalogues and on files that are none.

#include "core/catalogloader.h"
#include "core/catalogreader.h"
#include "widgets/swatchpicture.h"
#include "window/mainwindow.h"
#include "window/paneltoolbar.h"

#include "testsupport.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Tintora::MainWindow;

// The program's window as the user sees it after start-up, on a copy of the shipped data, so
// the page writer writes into a temporary folder.
class ShownWindow
{
public:
    ShownWindow()
    {
        Tintora::ProgramSetup setup;
        setup.programFolder = m_folder.path();
        // No browser plug-in: the page writer's reload then costs nothing, and none is measured.
        setup.browserPluginPath = m_folder.filePath(QStringLiteral("no-browser"));
        setup.endProcess = [](int exitCode) {
            qFatal("The program ended with %d", exitCode);
        };
        m_window = std::make_unique<MainWindow>(std::move(setup));
        if (!m_window->startUp())
            qFatal("Start-up failed");
        m_window->show();
        const QDeadlineTimer deadline(5000);
        while (!m_window->windowHandle()->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
    }

    MainWindow &window() { return *m_window; }
    QString pagePath() const { return m_folder.filePath(QStringLiteral("Webdask/WebDask.html")); }
    QStringList catalogNames() const
    {
        return Tintora::readCatalogItems(m_folder.read(QStringLiteral("Pantone/pantonelist.dat")));
    }

private:
    TestSupport::ProgramFolder m_folder;
    std::unique_ptr<MainWindow> m_window;
};

std::unique_ptr<ShownWindow> g_shown;

ShownWindow &shown()
{
    if (!g_shown)
        g_shown = std::make_unique<ShownWindow>();
    return *g_shown;
}

// Opens a panel with its toolbar button, as a click does, and closes it again.
class OpenPanel
{
public:
    OpenPanel(MainWindow &window, int index)
        : m_button(window.toolbar()->button(index))
    {
        m_button->click();
        QCoreApplication::processEvents();
    }
    ~OpenPanel()
    {
        m_button->click();
        QCoreApplication::processEvents();
    }
    OpenPanel(const OpenPanel &) = delete;
    OpenPanel &operator=(const OpenPanel &) = delete;

private:
    QToolButton *m_button;
};

// How much of a display update a benchmark takes in: the routine and a synchronous repaint of
// the whole panel; the routine and the repaint of what it changed, as the event loop paints it
// next; or the routine alone.
enum class Update { Repaint, Changed, RoutineOnly };

void finishUpdate(QWidget *panel, Update update)
{
    switch (update) {
    case Update::Repaint:
        panel->repaint();
        break;
    case Update::Changed:
        QCoreApplication::sendPostedEvents(panel->window(), QEvent::UpdateRequest);
        break;
    case Update::RoutineOnly:
        break;
    }
}

// A control of the window, by its name.
template<typename T = QWidget>
T *named(MainWindow &window, const char *name)
{
    return TestSupport::child<T>(&window, QLatin1String(name));
}

void checkText(benchmark::State &state, const QLineEdit *box, const QString &expected)
{
    if (box->text() != expected)
        state.SkipWithError(qPrintable(QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                                           .arg(box->objectName(), box->text(), expected)));
}

QString hexNumber(int red, int green, int blue)
{
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

void BM_ColorNotations(benchmark::State &state)
{
    std::array<qint32, 1024> values {};
    std::mt19937 random(20031);
    std::uniform_int_distribution<qint32> colour(0, Tintora::kWhite);
    for (qint32 &value : values)
        value = colour(random);
    std::size_t next = 0;
    Tintora::ColorNumbers notations;
    for (auto _ : state) {
        notations = Tintora::colorNumbers(values[next]);
        next = (next + 1) % values.size();
        benchmark::DoNotOptimize(notations);
    }
    const qint32 last = values[(next + values.size() - 1) % values.size()];
    if (notations.html != hexNumber(last & 0xFF, (last >> 8) & 0xFF, last >> 16))
        state.SkipWithError("colorNumbers gave a wrong HTML Number");
}

void BM_RGBScroller(benchmark::State &state, Update update)
{
    MainWindow &window = shown().window();
    const OpenPanel open(window, 3);
    QWidget *panel = named(window, "fraRGB");
    auto *bar = named<QScrollBar>(window, "hsRed");
    int red = bar->value();
    for (auto _ : state) {
        red = (red + 37) % 256;
        bar->setValue(red);
        finishUpdate(panel, update);
    }
    checkText(state, named<QLineEdit>(window, "txtHTML"),
              hexNumber(red, named<QScrollBar>(window, "hsGreen")->value(),
                        named<QScrollBar>(window, "hsBlue")->value()));
}

void BM_HexScroller(benchmark::State &state, Update update)
{
    MainWindow &window = shown().window();
    const OpenPanel open(window, 4);
    QWidget *panel = named(window, "fraHtml");
    auto *bar = named<QScrollBar>(window, "hsHexGreen");
    int green = bar->value();
    for (auto _ : state) {
        green = (green + 37) % 256;
        bar->setValue(green);
        finishUpdate(panel, update);
    }
    checkText(state, named<QLineEdit>(window, "txtHexNum"),
              hexNumber(named<QScrollBar>(window, "hsHexRed")->value(), green,
                        named<QScrollBar>(window, "hsHexBlue")->value()));
}

// The Hex panel's scroll bar with View > Colour Tools open on a tab (range 0 to 2), or opened and
// closed again (3), each change painted in both windows as the event loop paints them.
void BM_HexScrollerWithColorTools(benchmark::State &state)
{
    MainWindow &window = shown().window();
    const OpenPanel open(window, 4);
    named<QAction>(window, "mnuViewColorTools")->trigger();
    QWidget *tools = named(window, "frmColorTools");
    named<QTabWidget>(window, "tabColorTools")->setCurrentIndex(int(state.range(0) % 3));
    if (state.range(0) == 3)
        tools->close();
    auto *bar = named<QScrollBar>(window, "hsHexGreen");
    int green = bar->value();
    for (auto _ : state) {
        green = (green + 37) % 256;
        bar->setValue(green);
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(tools, QEvent::UpdateRequest);
    }
    tools->close();
    checkText(state, named<QLineEdit>(window, "txtHexNum"),
              hexNumber(named<QScrollBar>(window, "hsHexRed")->value(), green,
                        named<QScrollBar>(window, "hsHexBlue")->value()));
}

void BM_QBScroller(benchmark::State &state, Update update)
{
    MainWindow &window = shown().window();
    const OpenPanel open(window, 1);
    QWidget *panel = named(window, "fraQBcolors");
    auto *bar = named<QScrollBar>(window, "vsQB");
    int number = bar->value();
    for (auto _ : state) {
        number = (number + 5) % 16;
        bar->setValue(number);
        finishUpdate(panel, update);
    }
    checkText(state, named<QLineEdit>(window, "txtQBnum"), QString::number(number));
}

void BM_PantoneScroller(benchmark::State &state, Update update)
{
    ShownWindow &shownWindow = shown();
    MainWindow &window = shownWindow.window();
    const QStringList names = shownWindow.catalogNames();
    const OpenPanel open(window, 2);
    QWidget *panel = named(window, "fraPantone");
    auto *bar = named<QScrollBar>(window, "vsPantone");
    const int entries = bar->maximum() + 1;
    int entry = bar->value();
    for (auto _ : state) {
        entry = (entry + 37) % entries;
        bar->setValue(entry);
        finishUpdate(panel, update);
    }
    checkText(state, named<QLineEdit>(window, "txtPantoneNum"), names.value(entry));
}

void BM_SwatchPick(benchmark::State &state, Update update)
{
    MainWindow &window = shown().window();
    const OpenPanel open(window, 5);
    QWidget *panel = named(window, "fraSwatches");
    auto *picture = named<Tintora::SwatchPicture>(window, "picTintora");
    const QRect inner = picture->contentsRect();
    if (picture->image().isNull()) {
        state.SkipWithError("The swatch picture shows nothing");
        return;
    }
    const auto send = [picture](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, picture->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &event);
    };
    QPoint at = inner.topLeft();
    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        ++step;
        at = inner.topLeft()
            + QPoint((step * 7) % inner.width(),
                     (step * 3 + step / inner.width()) % inner.height());
        send(QEvent::MouseMove, at, Qt::LeftButton);
        finishUpdate(panel, update);
    }
    send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    checkText(state, named<QLineEdit>(window, "txtColorDecimal"),
              QString::number(picture->colorAt(at - inner.topLeft())));
}

// The page writer writes the page through a temporary file that it flushes to the disk before
// it takes the page's place, so the disk's flush time is part of each write.
void BM_PageWriter(benchmark::State &state)
{
    ShownWindow &window = shown();
    auto *write = named<QPushButton>(window.window(), "cmdWriteWeb");
    for (auto _ : state)
        write->click();
    QFile page(window.pagePath());
    if (!page.open(QIODevice::ReadOnly) || !page.readAll().contains("Text Sample"))
        state.SkipWithError("The page holds no sample");
}

// A program folder whose catalogue has the given number of entries in each file, written like
// the shipped one: one item a line, in place of the shipped catalogue.
class CatalogFolder
{
public:
    explicit CatalogFolder(int entries)
    {
        std::mt19937 random {unsigned(entries)};
        std::uniform_int_distribution<int> component(0, 255);
        const std::array<QString, 3> componentFiles {QStringLiteral("redlist.dat"),
                                                     QStringLiteral("greenlist.dat"),
                                                     QStringLiteral("bluelist.dat")};
        for (const QString &name : componentFiles) {
            QByteArray content;
            for (int i = 0; i < entries; ++i)
                content += QByteArray::number(component(random)) + '\n';
            m_dir.write(QStringLiteral("Pantone/") + name, content);
        }
        QByteArray numbers;
        for (int i = 0; i < entries; ++i)
            numbers += QByteArray::number(i) + '\n';
        m_dir.write(QStringLiteral("Pantone/pantonelist.dat"), numbers);
    }

    QString path() const { return m_dir.path(); }
    QString pagePath() const { return m_dir.filePath(QStringLiteral("Webdask/WebDask.html")); }
    QByteArray read(const QString &name) const
    {
        return m_dir.read(QStringLiteral("Pantone/") + name);
    }

private:
    TestSupport::ProgramFolder m_dir;
};

CatalogFolder &catalogFolder(int entries)
{
    static std::map<int, std::unique_ptr<CatalogFolder>> folders;
    std::unique_ptr<CatalogFolder> &folder = folders[entries];
    if (!folder)
        folder = std::make_unique<CatalogFolder>(entries);
    return *folder;
}

// Start-up's loading step: reads and checks all four files, of which it keeps the 941 entries
// the catalogue uses.
void BM_CatalogLoad(benchmark::State &state)
{
    const int entries = int(state.range(0));
    const CatalogFolder &folder = catalogFolder(entries);
    Tintora::CatalogLoadResult result;
    for (auto _ : state) {
        result = Tintora::loadCatalog(folder.path(), folder.pagePath());
        if (!result.ok()) {
            state.SkipWithError(qPrintable(result.message));
            break;
        }
    }
    if (result.catalog.names.size() != std::min(entries, Tintora::kCatalogSize))
        state.SkipWithError("The catalogue lost entries");
    state.SetComplexityN(entries);
}

// Start-up's loading step when redlist.dat is no catalogue: 50 MB of "1," (0), a link to
// /dev/zero (1) or a FIFO (2). Each must end in a failure at once. Run alone
// (--benchmark_filter=BM_HostileCatalogLoad), the peak memory is the loader's.
void BM_HostileCatalogLoad(benchmark::State &state)
{
    const TestSupport::ProgramFolder folder;
    const QString red = folder.filePath(QStringLiteral("Pantone/redlist.dat"));
    const QByteArray redName = QFile::encodeName(red);
    QFile::remove(red);
    bool made = false;
    if (state.range(0) == 0) {
        QFile file(red);
        const QByteArray block = QByteArray("1,").repeated(512 * 1024);
        made = file.open(QIODevice::WriteOnly);
        for (int i = 0; made && i < 50; ++i)
            made = file.write(block) == block.size();
    } else {
        made = (state.range(0) == 1 ? ::symlink("/dev/zero", redName.constData())
                                    : ::mkfifo(redName.constData(), 0644))
            == 0;
    }
    if (!made) {
        state.SkipWithError("Cannot put the file in place");
        return;
    }
    const QString page = folder.filePath(QStringLiteral("Webdask/WebDask.html"));
    for (auto _ : state) {
        if (Tintora::loadCatalog(folder.path(), page).ok()) {
            state.SkipWithError("The loader took it for a catalogue");
            break;
        }
    }
    rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_RSS_MiB"] = double(usage.ru_maxrss) / 1024;
}

// The reader alone, on one file already in memory.
void BM_CatalogRead(benchmark::State &state)
{
    const int entries = int(state.range(0));
    const QByteArray data = catalogFolder(entries).read(QStringLiteral("redlist.dat"));
    for (auto _ : state) {
        QStringList items = Tintora::readCatalogItems(data);
        benchmark::DoNotOptimize(items);
    }
    state.SetComplexityN(entries);
    state.SetBytesProcessed(state.iterations() * data.size());
}

void registerDisplay(const char *name, void (*run)(benchmark::State &, Update))
{
    benchmark::RegisterBenchmark((std::string(name) + "/repaint").c_str(), run, Update::Repaint)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string(name) + "/changed").c_str(), run, Update::Changed)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string(name) + "/routine_only").c_str(), run,
                                 Update::RoutineOnly)
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(BM_ColorNotations);
BENCHMARK(BM_HexScrollerWithColorTools)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageWriter)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_CatalogLoad)
    ->Arg(Tintora::kCatalogSize)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_HostileCatalogLoad)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogRead)
    ->Arg(Tintora::kCatalogSize)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    registerDisplay("BM_RGBScroller", BM_RGBScroller);
    registerDisplay("BM_HexScroller", BM_HexScroller);
    registerDisplay("BM_QBScroller", BM_QBScroller);
    registerDisplay("BM_PantoneScroller", BM_PantoneScroller);
    registerDisplay("BM_SwatchPick", BM_SwatchPick);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The window goes before the application object.
    g_shown.reset();
    return 0;
}
