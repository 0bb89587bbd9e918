#include "core/screenpicking.h"

#include "core/portalcolorpicker.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>
#include <QtMath>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace Tintora {

namespace {

// --verbose (or QT_LOGGING_RULES) tells how Pick Colour from Screen works on this desktop.
Q_LOGGING_CATEGORY(lcScreenPicking, "tintora.screenpicking", QtWarningMsg)

// The program's connection to the X server, or none on another platform.
xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

ScreenPickSupport screenPickSupport()
{
    const bool waylandSession = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1StringView("wayland");
    const QString platformName = QGuiApplication::platformName();
    // An X11 session reads the screen itself: the session bus, which costs a connection and a
    // thread at start-up, is asked only where the portal may be needed.
    const ScreenPickSupport support = platformName == u"xcb" && !waylandSession
        ? ScreenPickSupport {ScreenPickMethod::Read, {}}
        : screenPickSupport(platformName, waylandSession, QDBusConnection::sessionBus());
    const char *const how[] = {"reads the screen", "asks the desktop portal", "is disabled:"};
    qCInfo(lcScreenPicking).noquote()
        << "Pick Colour from Screen" << how[int(support.method)] << support.reason;
    return support;
}

ScreenPickSupport screenPickSupport(QStringView platformName, bool waylandSession,
                                    const QDBusConnection &bus)
{
    const bool x11 = platformName == u"xcb";
    const bool wayland = platformName.startsWith(u"wayland");
    if (x11 && !waylandSession)
        return {ScreenPickMethod::Read, {}};
    if ((x11 || wayland) && PortalColorPicker::available(bus))
        return {ScreenPickMethod::Portal, {}};
    // Without a portal an X11 program in a Wayland session still reads the X11 windows.
    if (x11)
        return {ScreenPickMethod::Read, {}};
    if (wayland) {
        return {ScreenPickMethod::None,
                QCoreApplication::translate("Tintora::ScreenPicking",
                                            "This desktop lets no program pick a colour from the "
                                            "screen: it offers no XDG desktop portal.")};
    }
    return {ScreenPickMethod::None,
            QCoreApplication::translate("Tintora::ScreenPicking",
                                        "Picking a colour from the screen needs an X11 or a "
                                        "Wayland desktop.")};
}

std::optional<ColorValue> screenColorAt(QPointF globalPosition)
{
    const QImage pixel = screenAreaAt(globalPosition, 0);
    if (pixel.isNull())
        return std::nullopt;
    return toColorValue(pixel.pixelColor(0, 0));
}

QImage screenAreaAt(QPointF globalPosition, int radius)
{
    QScreen *screen
        = QGuiApplication::screenAt(QPoint(qFloor(globalPosition.x()), qFloor(globalPosition.y())));
    if (!screen)
        return {};
    // A logical position is a device position divided by the scale: multiplied back, it names the
    // device pixel under the pointer's hot spot, counted from the screen's corner.
    const qreal scale = screen->devicePixelRatio();
    const QRect geometry = screen->geometry();
    const QPoint device = ((globalPosition - geometry.topLeft()) * scale).toPoint();
    const QRect wanted(device - QPoint(radius, radius), QSize(2 * radius + 1, 2 * radius + 1));
    const QRect onScreen = wanted & QRect(QPoint(), (QSizeF(geometry.size()) * scale).toSize());
    // The desktop (window 0) is grabbed in whole logical pixels, from the device pixel nearest to
    // the logical corner; one more logical pixel each way holds every device pixel at any scale.
    const QPoint first(int(onScreen.left() / scale), int(onScreen.top() / scale));
    const QPoint last(std::min(int(onScreen.right() / scale) + 1, geometry.width() - 1),
                      std::min(int(onScreen.bottom() / scale) + 1, geometry.height() - 1));
    const QImage grab = screen
                            ->grabWindow(0, first.x(), first.y(), last.x() - first.x() + 1,
                                         last.y() - first.y() + 1)
                            .toImage();
    const QPoint corner = (QPointF(first) * scale).toPoint();
    if (!grab.valid(device - corner))
        return {};
    QImage area(wanted.size(), QImage::Format_ARGB32);
    area.fill(Qt::transparent);
    for (int y = onScreen.top(); y <= onScreen.bottom(); ++y) {
        for (int x = onScreen.left(); x <= onScreen.right(); ++x) {
            if (grab.valid(QPoint(x, y) - corner))
                area.setPixel(QPoint(x, y) - wanted.topLeft(),
                              grab.pixel(QPoint(x, y) - corner) | 0xFF000000u);
        }
    }
    return area;
}

std::optional<QPointF> pointerPosition()
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> pointer(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr),
        &std::free);
    if (!pointer)
        return std::nullopt;
    const QPointF device(pointer->root_x, pointer->root_y);
    for (const QScreen *screen : QGuiApplication::screens()) {
        // Qt keeps a screen's corner where the X server has it and scales only the distances from
        // it.
        const QRectF geometry = screen->geometry();
        const QPointF position
            = geometry.topLeft() + (device - geometry.topLeft()) / screen->devicePixelRatio();
        if (geometry.contains(position))
            return position;
    }
    return std::nullopt;
}

void movePointerBy(QPoint devicePixels)
{
    if (xcb_connection_t *connection = x11Connection()) {
        xcb_warp_pointer(connection, XCB_NONE, XCB_NONE, 0, 0, 0, 0, qint16(devicePixels.x()),
                         qint16(devicePixels.y()));
        xcb_flush(connection);
    }
}

QString inputGrabRefusal(WId window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return {};
    // Qt's own grab of the pointer reports success also when another program holds it (through
    // the X Input extension), so the program tries both grabs itself, and lets go at once.
    const auto target = xcb_window_t(window);
    const std::unique_ptr<xcb_grab_pointer_reply_t, decltype(&std::free)> pointer(
        xcb_grab_pointer_reply(connection,
                               xcb_grab_pointer(connection, false, target, 0, XCB_GRAB_MODE_ASYNC,
                                                XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE,
                                                XCB_CURRENT_TIME),
                               nullptr),
        &std::free);
    const std::unique_ptr<xcb_grab_keyboard_reply_t, decltype(&std::free)> keyboard(
        xcb_grab_keyboard_reply(connection,
                                xcb_grab_keyboard(connection, false, target, XCB_CURRENT_TIME,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                nullptr),
        &std::free);
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
    xcb_flush(connection);
    if (!pointer || pointer->status != XCB_GRAB_STATUS_SUCCESS)
        return QCoreApplication::translate("Tintora::ScreenPicking",
                                           "Another program holds the pointer, so no colour can "
                                           "be picked from the screen now.");
    if (!keyboard || keyboard->status != XCB_GRAB_STATUS_SUCCESS)
        return QCoreApplication::translate("Tintora::ScreenPicking",
                                           "Another program holds the keyboard, so no colour can "
                                           "be picked from the screen now.");
    return {};
}

} // namespace Tintora
