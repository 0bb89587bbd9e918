#include "window/palettekeeper.h"

#include "core/palettemodel.h"
#include "panels/colorpanel.h"
#include "tools/palettewindow.h"
#include "window/colortransfer.h"
#include "window/mainwindow.h"
#include "window/toolwindows.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

#include <chrono>

namespace Tintora {

namespace {

// A save waits this long after a change, so that a burst of changes costs one.
constexpr std::chrono::milliseconds kSaveDelay(500);

} // namespace

PaletteKeeper::PaletteKeeper(MainWindow &window, const QString &dataFolder,
                             std::span<ColorPanel *const> panels, ColorPanel &suited)
    : QObject(&window)
    , m_window(window)
    , m_store(dataFolder)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelay);
    connect(&m_saveTimer, &QTimer::timeout, this, &PaletteKeeper::save);
    connect(&window, &MainWindow::ending, this, &PaletteKeeper::save);

    ColorTransfer &transfer = window.colorTransfer();
    connect(&transfer, &ColorTransfer::colorGiven, this, &PaletteKeeper::remember);
    connect(&transfer, &ColorTransfer::colorCopied, this, &PaletteKeeper::remember);
    for (ColorPanel *panel : panels)
        connect(panel, &ColorPanel::colorTyped, this, &PaletteKeeper::remember);

    transfer.editMenu()->addSeparator();
    QAction *add = transfer.editMenu()->addAction(
        tr("Add to Pa&lette"), QKeySequence(Qt::CTRL | Qt::Key_D), this, [this] {
            if (const std::optional<ColorValue> color = m_window.currentColor()) {
                load();
                m_palette->insertEntries(-1, {{QString(), *color}});
            }
        });
    add->setObjectName(QStringLiteral("mnuEditAddToPalette"));
    add->setEnabled(false);
    connect(&window, &MainWindow::currentColorChanged, add,
            [add](std::optional<ColorValue> color) { add->setEnabled(color.has_value()); });

    window.toolWindows().add(
        "mnuViewPalette", tr("&Palette"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
        [this, add, &suited] {
            load();
            auto *palette = new PaletteWindow(*m_palette, *m_history, &m_window);
            // Ctrl+D adds the open panel's colour there too.
            palette->addAction(add);
            connect(palette, &PaletteWindow::colorChosen, this, [this, &suited](ColorValue color) {
                m_window.colorTransfer().giveColor(color, suited);
            });
            return palette;
        });
}

void PaletteKeeper::load()
{
    if (m_palette)
        return;
    PaletteStore::Contents contents = m_store.load();
    m_palette = new PaletteModel(this);
    m_palette->setPalette(std::move(contents.palette));
    m_history = new HistoryModel(this);
    m_history->setHistory(contents.history);
    // Connected after loading, so that what was just read is not written again.
    connect(m_palette, &PaletteModel::paletteChanged, this, [this] { changed(m_paletteUnsaved); });
    connect(m_history, &HistoryModel::historyChanged, this, [this] { changed(m_historyUnsaved); });
    if (!contents.problems.isEmpty())
        tell(contents.problems.join(QStringLiteral("\n\n")));
}

void PaletteKeeper::remember(ColorValue color)
{
    load();
    m_history->add(color);
}

void PaletteKeeper::changed(bool &unsaved)
{
    unsaved = true;
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

void PaletteKeeper::save()
{
    m_saveTimer.stop();
    // What failed to save stays due, and is tried again with the next save.
    QString paletteError;
    QString historyError;
    if (m_paletteUnsaved) {
        paletteError = m_store.savePalette(m_palette->palette());
        m_paletteUnsaved = !paletteError.isEmpty();
    }
    if (m_historyUnsaved) {
        historyError = m_store.saveHistory(m_history->history());
        m_historyUnsaved = !historyError.isEmpty();
    }
    const QString error = QStringList {paletteError, historyError}.join(u'\n').trimmed();
    if (!error.isEmpty() && error != m_saveError)
        tell(error);
    m_saveError = error;
}

void PaletteKeeper::tell(const QString &message)
{
    // Not modal: a problem found while a colour goes into a panel must not stop it halfway.
    auto *box
        = new QMessageBox(QMessageBox::Warning, tr("Palette"), message, QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace Tintora
