#pragma once

#include "core/colorvalue.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class QDBusMessage;

namespace Tintora {

// Lets the user pick a colour anywhere on the screen through the desktop's XDG portal
// (org.freedesktop.portal.Screenshot.PickColor), where a program may not read the screen itself,
// as on Wayland. The desktop shows its own picker; the answer comes back as a signal, which only
// the portal's own connection to the bus may send.
class PortalColorPicker : public QObject
{
    Q_OBJECT

public:
    // On the session bus, giving the user a minute to pick.
    explicit PortalColorPicker(QObject *parent = nullptr);
    // timeout: how long a pick may take before it ends with a message.
    PortalColorPicker(const QDBusConnection &bus, std::chrono::milliseconds timeout,
                      QObject *parent = nullptr);

    // Whether a desktop portal runs on the bus or is started on demand.
    static bool available(const QDBusConnection &bus);

    // Asks the desktop for a colour; ends in exactly one of picked, cancelled or failed, also when
    // the portal never answers or leaves the bus. A call while a pick is under way is ignored.
    // parentWindow is the portal's window identifier ("x11:<hex id>", "wayland:<handle>"), or
    // empty.
    void pick(const QString &parentWindow = QString());
    // A pick is under way exactly while its time runs.
    bool isPicking() const { return m_timeout.isActive(); }

signals:
    void picked(Tintora::ColorValue color);
    void cancelled(); // the user closed the desktop's picker without a colour
    void failed(const QString &message); // a sentence for the user

private slots:
    // The portal's Request.Response signal, whatever its arguments.
    void onResponse(const QDBusMessage &response);

private:
    // Once the portal's unique name is known.
    void ask(const QString &portal, const QString &parentWindow);
    bool listen(const QString &requestPath);
    void stopListening();
    void finish();
    void fail(const QString &message);

    QDBusConnection m_bus;
    QTimer m_timeout;
    QDBusServiceWatcher m_portalWatcher;
    QString m_portal; // the unique bus name of the portal answering the pick under way
    QString m_requestPath; // the request object answering the pick under way; empty when idle
    uint m_requests = 0;
};

} // namespace Tintora
