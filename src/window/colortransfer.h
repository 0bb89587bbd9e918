#pragma once

#include "core/colorvalue.h"
#include "core/screenpicking.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;

namespace Tintora {

class ColorPanel;
class MainWindow;
class PortalColorPicker;
class ScreenPicker;

// The ways a colour leaves the open panel or comes into it: the Edit menu's copies, its paste
// and its pick from the screen. Every colour given to the program from outside its panels comes
// in through giveColor.
class ColorTransfer : public QObject
{
    Q_OBJECT

public:
    // Adds the Edit menu to the window's menu bar. A pasted colour opens pasteTarget when no
    // panel is open, a picked one pickTarget.
    ColorTransfer(MainWindow &window, ColorPanel &pasteTarget, ColorPanel &pickTarget);

    // Shows a colour in the open colour panel, as its takeColor does. When no panel is open, or
    // one that takes no colours (the Web Browser, the help), suited opens in its place, through
    // the toolbar buttons as the user would, and takes the colour.
    void giveColor(ColorValue color, ColorPanel &suited);

    // The Edit menu, for entries that other features add to it.
    QMenu *editMenu() const { return m_editMenu; }

    // Picks a colour from the screen as Edit > Pick Colour from Screen does, and gives it to the
    // open panel, or to take (a tool's) where one is given. Nothing where pickRefusal() says why.
    void pickFromScreen(std::function<void(ColorValue)> take);
    // Empty where this desktop lets the program pick from the screen; else why not.
    QString pickRefusal() const;

signals:
    // giveColor showed a colour.
    void colorGiven(Tintora::ColorValue color);
    // An Edit menu entry copied the open panel's colour.
    void colorCopied(Tintora::ColorValue color);

private:
    // What Edit > Copy copies: the open colour panel's colour, or on the Web Browser panel the
    // colour last assigned there.
    std::optional<ColorValue> copiedColor() const;
    void buildEditMenu();
    void updateActions();
    void paste();

    MainWindow &m_window;
    ColorPanel &m_pasteTarget;
    ColorPanel &m_pickTarget;
    QMenu *m_editMenu = nullptr;
    std::vector<QAction *> m_copyActions;
    QAction *m_pasteAction = nullptr;
    QAction *m_pickAction = nullptr;
    ScreenPickMethod m_pickMethod = ScreenPickMethod::None;
    std::function<void(ColorValue)> m_pickTake; // where the pick under way goes
    ScreenPicker *m_screenPicker = nullptr;
    PortalColorPicker *m_portalPicker = nullptr;
};

} // namespace Tintora
