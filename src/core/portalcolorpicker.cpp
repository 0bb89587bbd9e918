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

QString portalPath()
{
    return QStringLiteral("/org/freedesktop/portal/desktop");
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

QString startFailure(const QDBusError &error)
{
    return PortalColorPicker::tr("The desktop's colour picker did not start: %1")
        .arg(error.message());
}

} // namespace

PortalColorPicker::PortalColorPicker(QObject *parent)
    : PortalColorPicker(QDBusConnection::sessionBus(), std::chrono::minutes(1), parent)
{ }

PortalColorPicker::PortalColorPicker(const QDBusConnection &bus, std::chrono::milliseconds timeout,
                                     QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_portalWatcher(QString(), bus, QDBusServiceWatcher::WatchForUnregistration)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeout);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        // The desktop's picker may still be showing.
        if (!m_requestPath.isEmpty())
            m_bus.send(QDBusMessage::createMethodCall(m_portal, m_requestPath, requestInterface(),
                                                      QStringLiteral("Close")));
        fail(tr("The desktop's colour picker did not answer."));
    });
    connect(&m_portalWatcher, &QDBusServiceWatcher::serviceUnregistered, this,
            [this] { fail(tr("The desktop's colour picker stopped before it answered.")); });
}

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
    const uint request = ++m_requests;
    m_timeout.start();
    // Only the portal's own connection is believed, so its unique name is found before asking:
    // it answers a ping to the portal's well-known name, which also starts a portal not yet
    // running.
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        portalService(), portalPath(), QStringLiteral("org.freedesktop.DBus.Peer"),
        QStringLiteral("Ping"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(ping), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, request, parentWindow] {
                watcher->deleteLater();
                if (request != m_requests || !isPicking())
                    return;
                if (watcher->isError())
                    fail(startFailure(watcher->error()));
                else
                    ask(watcher->reply().service(), parentWindow);
            });
}

void PortalColorPicker::ask(const QString &portal, const QString &parentWindow)
{
    m_portal = portal;
    m_portalWatcher.setWatchedServices({portal});
    // The portal answers on a request object named after our bus name and a token of our
    // choosing; listening there before asking means no answer can be missed.
    const QString token
        = QStringLiteral("tintora%1_%2").arg(QCoreApplication::applicationPid()).arg(m_requests);
    const QString sender = m_bus.baseService().sliced(1).replace(u'.', u'_');
    const QString requestPath
        = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    if (!listen(requestPath)) {
        fail(tr("The desktop's colour picker cannot be reached."));
        return;
    }

    // To the unique name: a portal that has gone meanwhile gives an error, not a new portal.
    QDBusMessage call = QDBusMessage::createMethodCall(
        portal, portalPath(), QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("PickColor"));
    call << parentWindow << QVariantMap {{QStringLiteral("handle_token"), token}};
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, requestPath] {
        watcher->deleteLater();
        // Only the pick this call started; it may have been answered already.
        if (m_requestPath != requestPath)
            return;
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            fail(startFailure(reply.error()));
            return;
        }
        // Portals older than the request token choose the request object's path themselves.
        const QString answeredPath = reply.value().path();
        if (answeredPath != requestPath) {
            stopListening();
            if (!listen(answeredPath))
                fail(tr("The desktop's colour picker cannot be reached."));
        }
    });
}

void PortalColorPicker::onResponse(const QDBusMessage &response)
{
    if (!isPicking())
        return;
    finish();
    const QList<QVariant> arguments = response.arguments();
    // Anything but a number and a map of results is no answer.
    if (response.signature() != QLatin1StringView("ua{sv}")) {
        emit failed(tr("The desktop's colour picker gave no colour."));
        return;
    }
    switch (arguments.at(0).toUInt()) {
    case 0:
        if (const auto color = pickedColor(qdbus_cast<QVariantMap>(arguments.at(1))))
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
    if (!m_bus.connect(m_portal, requestPath, requestInterface(), QStringLiteral("Response"), this,
                       SLOT(onResponse(QDBusMessage))))
        return false;
    m_requestPath = requestPath;
    return true;
}

void PortalColorPicker::stopListening()
{
    m_bus.disconnect(m_portal, m_requestPath, requestInterface(), QStringLiteral("Response"), this,
                     SLOT(onResponse(QDBusMessage)));
    m_requestPath.clear();
}

void PortalColorPicker::finish()
{
    stopListening();
    m_portalWatcher.setWatchedServices({});
    m_timeout.stop();
}

void PortalColorPicker::fail(const QString &message)
{
    finish();
    emit failed(message);
}

} // namespace Tintora
