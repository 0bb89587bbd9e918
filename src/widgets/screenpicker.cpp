#include "widgets/screenpicker.h"

#include "core/screenpicking.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace Tintora {

ScreenPicker::ScreenPicker(QWidget *grabber)
    : QObject(grabber)
    , m_grabber(grabber)
{ }

void ScreenPicker::start()
{
    if (m_picking)
        return;
    m_picking = true;
    m_grabber->installEventFilter(this);
    m_grabber->grabMouse(Qt::CrossCursor);
    m_grabber->grabKeyboard();
}

void ScreenPicker::stop()
{
    m_picking = false;
    m_grabber->releaseKeyboard();
    m_grabber->releaseMouse();
    m_grabber->removeEventFilter(this);
}

bool ScreenPicker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint point = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
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
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyRelease:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace Tintora
