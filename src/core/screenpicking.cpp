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

#include <cstdlib>
#include <memory>

namespace Tintora {

namespace {

// --verbose (or QT_LOGGING_RULES) tells how Pick Colour from Screen works on this desktop.
Q_LOGGING_CATEGORY(lcScreenPicking, "tintora.screenpicking", QtWarningMsg)

} // namespace

ScreenPickSupport screenPickSupport()
{
    const bool waylandSession = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1StringView("wayland");
    const ScreenPickSupport support = screenPickSupport(
        QGuiApplication::platformName(), waylandSession, QDBusConnection::sessionBus());
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
    QScreen *screen
        = QGuiApplication::screenAt(QPoint(qFloor(globalPosition.x()), qFloor(globalPosition.y())));
    if (!screen)
        return std::nullopt;
    // A logical position is a device position divided by the scale: multiplied back, it names the
    // device pixel under the pointer's hot spot, counted from the screen's corner.
    const qreal scale = screen->devicePixelRatio();
    const QPoint device = ((globalPosition - screen->geometry().topLeft()) * scale).toPoint();
    // The desktop (window 0) is grabbed in whole logical pixels, from the device pixel nearest to
    // the logical corner; two of them hold the device pixel at any scale.
    const QPoint logical(int(device.x() / scale), int(device.y() / scale));
    const QImage grab = screen->grabWindow(0, logical.x(), logical.y(), 2, 2).toImage();
    const QPoint pixel = device - (QPointF(logical) * scale).toPoint();
    if (!grab.valid(pixel))
        return std::nullopt;
    return toColorValue(grab.pixelColor(pixel));
}

QString inputGrabRefusal(WId window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    // Qt's own grab of the pointer reports success also when another program holds it (through
    // the X Input extension), so the program tries both grabs itself, and lets go at once.
    xcb_connection_t *connection = x11->connection();
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
