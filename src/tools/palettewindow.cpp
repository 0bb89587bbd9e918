#include "tools/palettewindow.h"

#include "core/colorfinder.h"
#include "core/colorhistory.h"
#include "core/palettefile.h"
#include "core/palettemodel.h"
#include "widgets/colordrag.h"
#include "widgets/colorlistview.h"

#include <QBoxLayout>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace Tintora {

namespace {

QList<ColorValue> colorsIn(QStringView text)
{
    QList<ColorValue> colors;
    for (const ParsedColor &found : findColors(text).colors)
        colors.append(found.color);
    return colors;
}

// Files in the formats the program reads are read as palettes; any other is searched for colours.
bool isPaletteFile(const QString &path)
{
    const std::optional<PaletteFormat> format = paletteFormatOf(path);
    const QList<PaletteFileType> types = paletteFileTypes(false);
    return format && std::any_of(types.begin(), types.end(), [format](const PaletteFileType &type) {
               return type.format == *format;
           });
}

} // namespace

PaletteWindow::PaletteWindow(PaletteModel &palette, HistoryModel &history, QWidget *mainWindow)
    : ToolWindow(QStringLiteral("frmPalette"), tr("Palette"), mainWindow)
    , m_palette(palette)
{
    m_list = new ColorListView(QStringLiteral("lstPalette"), tr("Palette colours"), this);
    m_list->setModel(&palette);
    // One entry at a time: a drag then moves one entry, which is one step to undo.
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setDragDropMode(QAbstractItemView::DragDrop);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);

    auto *historyList = new ColorListView(QStringLiteral("lstHistory"), tr("History"), this);
    historyList->setModel(&history);
    historyList->setViewMode(QListView::IconMode);
    historyList->setFlow(QListView::LeftToRight);
    historyList->setWrapping(false);
    historyList->setMovement(QListView::Static);
    historyList->setDragDropMode(QAbstractItemView::DragOnly);
    // One row of entries, each a swatch over its name, with as much again to spare for the icon
    // mode's margins, and a line for the scroll bar that comes once the history outgrows the width.
    const int line = historyList->fontMetrics().height();
    historyList->setFixedHeight(2 * (historyList->iconSize().height() + line) + line);
    auto *caption = new QLabel(tr("&History, newest first"), this);
    caption->setBuddy(historyList);
    auto *clear = new QPushButton(tr("&Clear"), this);
    clear->setObjectName(QStringLiteral("cmdClearHistory"));
    clear->setAccessibleName(tr("Clear History"));
    connect(clear, &QPushButton::clicked, &history, &HistoryModel::clear);

    auto *bar = new QMenuBar(this);
    buildMenu(bar, history);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_list, 1);
    auto *historyRow = new QHBoxLayout;
    historyRow->addWidget(caption, 1);
    historyRow->addWidget(clear);
    layout->addLayout(historyRow);
    layout->addWidget(historyList);

    for (const ColorListView *list : {m_list, historyList})
        connect(list, &ColorListView::colorChosen, this, &PaletteWindow::colorChosen);
    // Dropped on the list, a colour goes where it was dropped; anywhere else, at the end.
    makeColorDropTarget(this, [this](ColorValue color) {
        m_palette.insertEntries(-1, {{QString(), color}});
    });
}

void PaletteWindow::buildMenu(QMenuBar *bar, HistoryModel &history)
{
    QMenu *menu = bar->addMenu(tr("&Palette"));
    menu->setObjectName(QStringLiteral("mnuPalette"));
    const auto add = [menu](const char *name, const QString &text, const QKeySequence &keys) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1StringView(name));
        action->setShortcut(keys);
        return action;
    };
    connect(add("mnuPaletteImport", tr("&Import Colours..."), Qt::CTRL | Qt::Key_O),
            &QAction::triggered, this, &PaletteWindow::importColors);
    connect(add("mnuPaletteExport", tr("&Export Palette..."), Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &QAction::triggered, this, &PaletteWindow::exportPalette);
    menu->addSeparator();
    // The keys are spelt out: the desktop's standard keys differ (X11 also deletes with Ctrl+D,
    // which adds to the palette here).
    QAction *undo = m_palette.undoStack()->createUndoAction(menu, tr("&Undo"));
    undo->setShortcut(Qt::CTRL | Qt::Key_Z);
    QAction *redo = m_palette.undoStack()->createRedoAction(menu, tr("&Redo"));
    redo->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    menu->addActions({undo, redo});
    menu->addSeparator();
    // The keys of these act on the palette's current entry only while the palette has the focus.
    const auto onEntry
        = [this, &add](const char *name, const QString &text, const QKeySequence &keys, auto act) {
              QAction *action = add(name, text, keys);
              action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
              m_list->addAction(action);
              connect(action, &QAction::triggered, this, act);
          };
    onEntry("mnuPaletteRename", tr("Re&name"), Qt::Key_F2,
            [this] { m_list->edit(m_list->currentIndex()); });
    onEntry("mnuPaletteDelete", tr("&Delete"), Qt::Key_Delete,
            [this] { m_palette.removeEntries(m_list->currentIndex().row(), 1); });
    onEntry("mnuPaletteUp", tr("Move &Up"), Qt::ALT | Qt::Key_Up, [this] { moveCurrent(-1); });
    onEntry("mnuPaletteDown", tr("Move Do&wn"), Qt::ALT | Qt::Key_Down, [this] { moveCurrent(1); });
    menu->addSeparator();
    connect(add("mnuPaletteClearHistory", tr("Clear &History"), {}), &QAction::triggered, &history,
            &HistoryModel::clear);
}

void PaletteWindow::moveCurrent(int by)
{
    // Counted before the move, below the next entry is two rows on. The view's current entry
    // moves with it.
    const int row = m_list->currentIndex().row();
    if (row >= 0)
        m_palette.moveEntries(row, 1, by < 0 ? row - 1 : row + 2);
}

void PaletteWindow::importColors()
{
    QStringList filters {allPalettesFilter()};
    for (const PaletteFileType &type : paletteFileTypes(false))
        filters.append(type.filter);
    filters.append(tr("Any text file, for every colour in it (*)"));
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Colours"), QString(),
                                                      filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return;
    const PaletteLoad load
        = isPaletteFile(path) ? readPaletteFile(path) : importColorsFromText(path, colorsIn);
    const QString name = QFileInfo(path).fileName();
    if (!load.ok())
        warn(tr("Import Colours"), load.error);
    else if (load.palette.entries.isEmpty())
        warn(tr("Import Colours"), tr("The file \"%1\" holds no colours.").arg(name));
    else if (m_palette.rowCount() + load.palette.entries.size() > kMaxPaletteEntries)
        warn(tr("Import Colours"),
             tr("The colours of \"%1\" were not added: the palette would hold more than %2.")
                 .arg(name)
                 .arg(kMaxPaletteEntries));
    else
        m_palette.insertEntries(-1, load.palette.entries);
}

void PaletteWindow::exportPalette()
{
    const QList<PaletteFileType> types = paletteFileTypes(true);
    QStringList filters;
    for (const PaletteFileType &type : types)
        filters.append(type.filter);
    QString chosen = filters.first();
    QString path = QFileDialog::getSaveFileName(this, tr("Export Palette"), QString(),
                                                filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    // A name without the ending of a format gets the chosen one's.
    if (!paletteFormatOf(path))
        path += u'.' + types.value(std::max(0, int(filters.indexOf(chosen)))).suffix;
    if (const QString error = writePaletteFile(path, m_palette.palette()); !error.isEmpty())
        warn(tr("Export Palette"), error);
}

void PaletteWindow::warn(const QString &title, const QString &message)
{
    QMessageBox::warning(this, title, message);
}

} // namespace Tintora
