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

class BrowserPanel;
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
    // panel is open, a picked one pickTarget; on the browser panel the copies copy the colour
    // last assigned there.
    ColorTransfer(MainWindow &window, BrowserPanel &browser, ColorPanel &pasteTarget,
                  ColorPanel &pickTarget);

    // Shows a colour in the open colour panel, as its takeColor does. When no panel is open, or
    // one that takes no colours (the Web Browser, the help), suited opens in its place, through
    // the toolbar buttons as the user would, and takes the colour.
    void giveColor(ColorValue color, ColorPanel &suited);

    // The Edit menu, for entries that other features add to it.
    QMenu *editMenu() const { return m_editMenu; }
    // Adds a menu of more copies after the Edit menu's own, enabled when they are.
    void addCopyMenu(QMenu *menu);

    // What Edit > Copy copies: the open colour panel's colour, or on the Web Browser panel the
    // colour last assigned there.
    std::optional<ColorValue> copiedColor() const;
    // Puts a text of a colour on the clipboard, as every copy of a colour does.
    void copy(const QString &text, ColorValue color);

    // Picks a colour from the screen as Edit > Pick Colour from Screen does, and gives it to the
    // open panel, or to take (a tool's) where one is given. Nothing where pickRefusal() says why.
    void pickFromScreen(std::function<void(ColorValue)> take);
    // Empty where this desktop lets the program pick from the screen; else why not.
    QString pickRefusal() const { return m_pickRefusal; }

signals:
    // giveColor showed a colour.
    void colorGiven(Tintora::ColorValue color);
    // A text of a colour went to the clipboard.
    void colorCopied(Tintora::ColorValue color);

private:
    void buildEditMenu();
    void updateActions();
    void paste();

    MainWindow &m_window;
    ColorPanel &m_pasteTarget;
    ColorPanel &m_pickTarget;
    QMenu *m_editMenu = nullptr;
    std::vector<QAction *> m_copyActions;
    QAction *m_copiesEnd = nullptr; // the separator after the copies
    QAction *m_pasteAction = nullptr;
    QAction *m_pickAction = nullptr;
    ScreenPickMethod m_pickMethod = ScreenPickMethod::None;
    QString m_pickRefusal;
    std::function<void(ColorValue)> m_pickTake; // where the pick under way goes
    ScreenPicker *m_screenPicker = nullptr;
    PortalColorPicker *m_portalPicker = nullptr;
};

} // namespace Tintora
