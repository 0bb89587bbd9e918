#include "widgets/screenpicker.h"

#include "core/screenpicking.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace Tintora {

ScreenPicker::ScreenPicker(QWidget *grabber)
    : QObject(grabber)
    , m_grabber(grabber)
{ }

void ScreenPicker::start()
{
    if (m_picking)
        return;
    const QString refusal = inputGrabRefusal(m_grabber->winId());
    if (!refusal.isEmpty()) {
        emit failed(refusal);
        return;
    }
    m_picking = true;
    // Every input event reaches the window before its widgets, shortcut checks included.
    m_grabber->windowHandle()->installEventFilter(this);
    m_grabber->grabMouse(Qt::CrossCursor);
    m_grabber->grabKeyboard();
}

void ScreenPicker::stop()
{
    m_picking = false;
    m_grabber->releaseKeyboard();
    m_grabber->releaseMouse();
    m_grabber->windowHandle()->removeEventFilter(this);
}

bool ScreenPicker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPointF point = static_cast<QMouseEvent *>(event)->globalPosition();
        stop();
        // Read after the grab ends, so that no cross-hair can stand in the way.
        if (const std::optional<ColorValue> color = screenColorAt(point))
            emit picked(*color);
        else
            emit cancelled();
        return true;
    }
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            stop();
            emit cancelled();
        }
        return true;
    case QEvent::ShortcutOverride:
        // Taken as a plain key, which is then dropped: no shortcut acts.
        event->accept();
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace Tintora
