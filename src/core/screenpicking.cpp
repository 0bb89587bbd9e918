#include "core/screenpicking.h"

#include "core/portalcolorpicker.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>

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

std::optional<ColorValue> screenColorAt(QPoint globalPosition)
{
    QScreen *screen = QGuiApplication::screenAt(globalPosition);
    if (!screen)
        return std::nullopt;
    // The desktop (window 0) is grabbed in the coordinates of the screen that shows the point.
    const QPoint onScreen = globalPosition - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1).toImage();
    if (pixel.isNull())
        return std::nullopt;
    return toColorValue(pixel.pixelColor(0, 0));
}

} // namespace Tintora
