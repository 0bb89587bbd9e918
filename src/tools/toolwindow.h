#pragma once

#include <QWidget>

namespace Tintora {

// A window of its own beside the main window (the palette, the colour details, the colour tools).
// It floats over the main window and goes with it, Escape closes it, and it first shows at the main
// window's side, on the screen.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    // name is the window's object name, title its caption and accessible name.
    ToolWindow(const QString &name, const QString &title, QWidget *mainWindow);

    // Shows the window, beside the main window the first time, and gives it the keyboard.
    void showBeside();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_placed = false;
};

} // namespace Tintora
