#include "window/splashwindow.h"

#include "widgets/controls.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace Tintora {

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmLoading"));
    setWindowTitle(tr("Loading Tintora Utility...Please Wait"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFixedSize(pixels(8130), pixels(30));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void SplashWindow::showPainted()
{
    show();
    raise();
    // The window system maps and paints the window asynchronously: give it a brief moment.
    const QDeadlineTimer deadline(400);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        if (windowHandle() && windowHandle()->isExposed())
            break;
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace Tintora
