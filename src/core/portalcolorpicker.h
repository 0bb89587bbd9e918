#pragma once

#include "core/colorvalue.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace Tintora {

// Lets the user pick a colour anywhere on the screen through the desktop's XDG portal
// (org.freedesktop.portal.Screenshot.PickColor), where a program may not read the screen itself,
// as on Wayland. The desktop shows its own picker; the answer comes back as a signal.
class PortalColorPicker : public QObject
{
    Q_OBJECT

public:
    explicit PortalColorPicker(QObject *parent = nullptr); // on the session bus
    explicit PortalColorPicker(const QDBusConnection &bus, QObject *parent = nullptr);

    // Whether a desktop portal runs on the bus or is started on demand.
    static bool available(const QDBusConnection &bus);

    // Asks the desktop for a colour; ends in exactly one of picked, cancelled or failed. A call
    // while a pick is under way is ignored. parentWindow is the portal's window identifier
    // ("x11:<hex id>", "wayland:<handle>"), or empty.
    void pick(const QString &parentWindow = QString());
    bool isPicking() const { return !m_requestPath.isEmpty(); }

signals:
    void picked(Tintora::ColorValue color);
    void cancelled(); // the user closed the desktop's picker without a colour
    void failed(const QString &message); // a sentence for the user

private slots:
    // The portal's Request.Response signal; QtDBus connects to it by signature.
    void onResponse(uint response, const QVariantMap &results);

private:
    bool listen(const QString &requestPath);
    void stopListening();

    QDBusConnection m_bus;
    QString m_requestPath; // the request object answering the pick under way; empty when idle
    uint m_requests = 0;
};

} // namespace Tintora
