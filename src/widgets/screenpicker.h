#pragma once

#include "core/colorvalue.h"

#include <QObject>
#include <QPointF>
#include <QTimer>

#include <optional>

class QWidget;

namespace Tintora {

class Loupe;

// Picks a colour from anywhere on the screen where the program may read it (X11): a visible
// window of the program grabs the mouse, with a cross-hair, and the keyboard; the next click,
// inside or outside the program, reads the pixel under it, and Escape cancels. A magnifier beside
// the pointer shows the pixels around it; the arrow keys move the pointer by one device pixel and
// Enter reads the pixel under it. Nothing else acts meanwhile: no other key, no shortcut, no menu.
class ScreenPicker : public QObject
{
    Q_OBJECT

public:
    explicit ScreenPicker(QWidget *grabber);

    // Refused at once, with failed, when another program holds the pointer or the keyboard.
    void start();
    bool isPicking() const { return m_picking; }

signals:
    void picked(Tintora::ColorValue color);
    void cancelled();
    void failed(const QString &message); // a sentence for the user

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stop();
    void showLoupe();
    // Ends the pick with the pixel under a position, or cancels it where there is none.
    void pickAt(std::optional<QPointF> globalPosition);
    void read(QPointF globalPosition);
    void settled();

    QWidget *m_grabber;
    Loupe *m_loupe;
    bool m_picking = false;
    // Runs while the windows that the loupe left draw themselves again, which nothing reads.
    QTimer m_settling;
    std::optional<QPointF> m_pendingPick; // read once they have
};

} // namespace Tintora
