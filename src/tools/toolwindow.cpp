#include "tools/toolwindow.h"

#include <QKeyEvent>
#include <QScreen>

namespace Tintora {

ToolWindow::ToolWindow(const QString &name, const QString &title, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool)
{
    setObjectName(name);
    setWindowTitle(title);
    setAccessibleName(title);
}

void ToolWindow::showBeside()
{
    if (!m_placed) {
        m_placed = true;
        adjustSize();
        // Right of the main window where the screen has room, else left of it; always on the
        // screen that shows the main window.
        const QWidget *main = parentWidget();
        const QRect frame = main->frameGeometry();
        const QScreen *screen = main->screen();
        const QRect room = screen ? screen->availableGeometry() : frame;
        QPoint place(frame.right() + 1, frame.top());
        if (place.x() + width() > room.right())
            place.setX(frame.left() - width() - 1);
        place.setX(
            std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - width())));
        place.setY(
            std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() - height())));
        move(place);
    }
    show();
    raise();
    activateWindow();
}

void ToolWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace Tintora
