#pragma once

#include "core/colorvalue.h"
#include "tools/toolwindow.h"

class QMenuBar;

namespace Tintora {

class ColorListView;
class HistoryModel;
class PaletteModel;

// "Palette": the user's named colours, and below them the history of the last colours used. An
// entry is renamed in place (F2 or a double click), moved by dragging it or with Alt+Up and
// Alt+Down, deleted with Delete, and every such change undone and redone with Ctrl+Z and
// Ctrl+Shift+Z. A colour dropped on the window becomes an entry. Its own menu imports colours
// from palette files and any text file and exports the palette in every format the program
// writes.
class PaletteWindow : public ToolWindow
{
    Q_OBJECT

public:
    PaletteWindow(PaletteModel &palette, HistoryModel &history, QWidget *mainWindow);

signals:
    // An entry of the palette or the history was clicked or entered: its colour goes in.
    void colorChosen(Tintora::ColorValue color);

private:
    void buildMenu(QMenuBar *bar, HistoryModel &history);
    void importColors();
    void exportPalette();
    void moveCurrent(int by);
    void warn(const QString &title, const QString &message);

    PaletteModel &m_palette;
    ColorListView *m_list;
};

} // namespace Tintora
