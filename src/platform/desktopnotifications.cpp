#include "desktopnotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace DesktopNotifications {

void notify(const QString &title, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Bodies may carry markup for some servers; titles and file names are ours to
    // show as they are, so the usual markup characters are escaped.
    call << QStringLiteral("Vireloom") << uint(0) << QStringLiteral("vireloom") << title << body.toHtmlEscaped() << QStringList()
         << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("vireloom")}} << int(-1);
    bus.call(call, QDBus::NoBlock);
}

} // namespace DesktopNotifications
