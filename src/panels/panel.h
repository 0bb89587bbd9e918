#pragma once

#include <QGroupBox>

namespace Tintora {

// One of the seven panels below the banner, each a frame with its caption. The window opens one
// at a time from the toolbar, and at start-up and on Reset brings each back to its start values.
class Panel : public QGroupBox
{
    Q_OBJECT

public:
    // The panel's height when open, in twips; the window grows to it plus the room above.
    int openHeight() const { return m_openHeight; }
    // The control that takes the keyboard focus when the panel opens; none leaves it where it is.
    QWidget *focusControl() const { return m_focusControl; }

    // Runs each time the panel has opened.
    virtual void opened() { }
    // Gives the panel's controls the values that start-up gives them, and Reset again. Where a
    // value changes, the control's own handling runs, as for a user's change.
    virtual void reset() = 0;

protected:
    // name is the frame's object name, caption its title (none for a frame without one). The
    // panel stands at topTwips below the top of the window's client area, closed: hidden and
    // without height.
    Panel(const QString &name, const QString &caption, int openHeight, QWidget *parent,
          int topTwips = 960);

    void setFocusControl(QWidget *control) { m_focusControl = control; }

private:
    int m_openHeight;
    QWidget *m_focusControl = nullptr;
};

} // namespace Tintora
