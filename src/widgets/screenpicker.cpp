#include "widgets/screenpicker.h"

#include "core/screenpicking.h"
#include "widgets/loupe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace Tintora {

namespace {

using namespace std::chrono_literals;

// How long other programs get to draw again what the loupe covered before the pixel is read.
constexpr auto kSettlingTime = 100ms;

} // namespace

ScreenPicker::ScreenPicker(QWidget *grabber)
    : QObject(grabber)
    , m_grabber(grabber)
    , m_loupe(new Loupe(grabber))
{
    m_settling.setSingleShot(true);
    m_settling.setInterval(kSettlingTime);
    connect(&m_settling, &QTimer::timeout, this, &ScreenPicker::settled);
}

void ScreenPicker::start()
{
    if (m_picking || m_pendingPick)
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
    showLoupe();
}

void ScreenPicker::stop()
{
    m_picking = false;
    m_grabber->releaseKeyboard();
    m_grabber->releaseMouse();
    m_grabber->windowHandle()->removeEventFilter(this);
    m_loupe->hide();
}

void ScreenPicker::showLoupe()
{
    // Where the pointer is now, to the device pixel: a motion event may still be on its way.
    const std::optional<QPointF> position = pointerPosition();
    if (!position)
        return;
    // The loupe must never show itself: when the pointer comes onto it, it leaves, and the
    // pixels are read once the windows below it have drawn them again.
    if (m_loupe->covers(*position)) {
        m_loupe->hide();
        m_settling.start();
    } else if (!m_settling.isActive()) {
        m_loupe->showAt(*position);
    }
}

void ScreenPicker::pickAt(std::optional<QPointF> globalPosition)
{
    // Read after the grab ends, so that no cross-hair can stand in the way.
    stop();
    if (!globalPosition)
        emit cancelled();
    else if (m_settling.isActive())
        m_pendingPick = globalPosition;
    else
        read(*globalPosition);
}

void ScreenPicker::read(QPointF globalPosition)
{
    if (const std::optional<ColorValue> color = screenColorAt(globalPosition))
        emit picked(*color);
    else
        emit cancelled();
}

void ScreenPicker::settled()
{
    if (m_pendingPick)
        read(*std::exchange(m_pendingPick, std::nullopt));
    else if (m_picking)
        showLoupe();
}

bool ScreenPicker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pickAt(static_cast<QMouseEvent *>(event)->globalPosition());
        return true;
    case QEvent::MouseMove:
        showLoupe();
        return true;
    case QEvent::KeyPress:
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Escape:
            stop();
            emit cancelled();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pickAt(pointerPosition());
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // One device pixel, which at a scale above 1 is less than the logical pixel that
            // QCursor::setPos moves by.
            const int key = static_cast<QKeyEvent *>(event)->key();
            movePointerBy(QPoint((key == Qt::Key_Right) - (key == Qt::Key_Left),
                                 (key == Qt::Key_Down) - (key == Qt::Key_Up)));
            showLoupe();
            break;
        }
        default:
            break;
        }
        return true;
    case QEvent::ShortcutOverride:
        // Taken as a plain key, which is then dropped: no shortcut acts.
        event->accept();
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace Tintora
