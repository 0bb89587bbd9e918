#pragma once

#include "core/colorvalue.h"
#include "core/palettestore.h"

#include <QObject>
#include <QTimer>

#include <span>

namespace Tintora {

class ColorPanel;
class HistoryModel;
class MainWindow;
class PaletteModel;

// The user's palette and colour history, kept in the data folder between runs. They are read when
// first needed (View > Palette, Edit > Add to Palette, the first colour for the history), so that
// start-up pays nothing, and written a moment after they change, once for a burst of changes,
// and when the program ends. Adds those two menu entries, and records in the history every colour
// that goes into a panel (typed, pasted, picked, dropped, chosen in the palette window) or is
// copied.
class PaletteKeeper : public QObject
{
    Q_OBJECT

public:
    // panels are the colour panels whose typing the history records; a colour chosen in the
    // palette window goes into the open one, or opens suited.
    PaletteKeeper(MainWindow &window, const QString &dataFolder,
                  std::span<ColorPanel *const> panels, ColorPanel &suited);

private:
    void load();
    void remember(ColorValue color);
    void changed(bool &unsaved);
    void save();
    void tell(const QString &message);

    MainWindow &m_window;
    PaletteStore m_store;
    PaletteModel *m_palette = nullptr; // both made by the first load
    HistoryModel *m_history = nullptr;
    QTimer m_saveTimer;
    bool m_paletteUnsaved = false;
    bool m_historyUnsaved = false;
    QString m_saveError; // told once, not again at each save that fails the same way
};

} // namespace Tintora
