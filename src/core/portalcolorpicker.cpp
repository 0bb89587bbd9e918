#include "core/portalcolorpicker.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>

#include <cmath>
#include <optional>

namespace Tintora {

namespace {

QString portalService()
{
    return QStringLiteral("org.freedesktop.portal.Desktop");
}

QString requestInterface()
{
    return QStringLiteral("org.freedesktop.portal.Request");
}

// The portal gives each component as a fraction 0 to 1.
std::optional<int> componentByte(double fraction)
{
    if (!std::isfinite(fraction) || fraction < 0 || fraction > 1)
        return std::nullopt;
    return int(std::lround(fraction * 255));
}

// The picked colour from the response's results: "color" holds a structure of three doubles.
std::optional<ColorValue> pickedColor(const QVariantMap &results)
{
    const QVariant color = results.value(QStringLiteral("color"));
    if (!color.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = color.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1StringView("(ddd)"))
        return std::nullopt;
    double red = 0;
    double green = 0;
    double blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    const auto r = componentByte(red);
    const auto g = componentByte(green);
    const auto b = componentByte(blue);
    if (!r || !g || !b)
        return std::nullopt;
    return colorValue(*r, *g, *b);
}

} // namespace

PortalColorPicker::PortalColorPicker(QObject *parent)
    : PortalColorPicker(QDBusConnection::sessionBus(), parent)
{ }

PortalColorPicker::PortalColorPicker(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{ }

bool PortalColorPicker::available(const QDBusConnection &bus)
{
    const QDBusConnectionInterface *interface = bus.isConnected() ? bus.interface() : nullptr;
    if (!interface)
        return false;
    if (interface->isServiceRegistered(portalService()))
        return true;
    const QDBusReply<QStringList> activatable = interface->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(portalService());
}

void PortalColorPicker::pick(const QString &parentWindow)
{
    if (isPicking())
        return;
    if (!m_bus.isConnected()) {
        emit failed(tr("There is no session bus to reach the desktop's colour picker."));
        return;
    }
    // The portal answers on a request object named after our bus name and a token of our
    // choosing; listening there before asking means no answer can be missed.
    const QString token
        = QStringLiteral("tintora%1_%2").arg(QCoreApplication::applicationPid()).arg(++m_requests);
    const QString sender = m_bus.baseService().sliced(1).replace(u'.', u'_');
    const QString requestPath
        = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    if (!listen(requestPath)) {
        emit failed(tr("The desktop's colour picker cannot be reached."));
        return;
    }

    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService(), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("PickColor"));
    call << parentWindow << QVariantMap {{QStringLiteral("handle_token"), token}};
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, requestPath] {
        watcher->deleteLater();
        // Only the pick this call started; it may have been answered already.
        if (m_requestPath != requestPath)
            return;
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            stopListening();
            emit failed(
                tr("The desktop's colour picker did not start: %1").arg(reply.error().message()));
            return;
        }
        // Portals older than the request token choose the request object's path themselves.
        const QString answeredPath = reply.value().path();
        if (answeredPath != requestPath) {
            stopListening();
            if (!listen(answeredPath))
                emit failed(tr("The desktop's colour picker cannot be reached."));
        }
    });
}

void PortalColorPicker::onResponse(uint response, const QVariantMap &results)
{
    if (!isPicking())
        return;
    stopListening();
    switch (response) {
    case 0:
        if (const std::optional<ColorValue> color = pickedColor(results))
            emit picked(*color);
        else
            emit failed(tr("The desktop's colour picker gave no colour."));
        break;
    case 1:
        emit cancelled();
        break;
    default:
        emit failed(tr("The desktop's colour picker failed."));
        break;
    }
}

bool PortalColorPicker::listen(const QString &requestPath)
{
    // Any sender: the portal may answer from its unique name, and only it uses this path.
    if (!m_bus.connect(QString(), requestPath, requestInterface(), QStringLiteral("Response"), this,
                       SLOT(onResponse(uint, QVariantMap))))
        return false;
    m_requestPath = requestPath;
    return true;
}

void PortalColorPicker::stopListening()
{
    m_bus.disconnect(QString(), m_requestPath, requestInterface(), QStringLiteral("Response"), this,
                     SLOT(onResponse(uint, QVariantMap)));
    m_requestPath.clear();
}

} // namespace Tintora
