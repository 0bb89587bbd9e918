#pragma once

#include "core/colorvalue.h"

#include <QObject>

class QWidget;

namespace Tintora {

// Picks a colour from anywhere on the screen where the program may read it (X11): a visible
// window of the program grabs the mouse, with a cross-hair, and the keyboard; the next click,
// inside or outside the program, reads the pixel under it, and Escape cancels. Nothing else acts
// meanwhile: no other key, no shortcut, no menu.
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

    QWidget *m_grabber;
    bool m_picking = false;
};

} // namespace Tintora
