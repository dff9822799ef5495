#include "platform/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

void DBusNotifier::notify(const QString& title, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage msg = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
    // server's default). The body is markup to some servers: its &, < and > are escaped.
    msg << QStringLiteral("ModemTally") << uint(0) << QStringLiteral("modemtally") << title
        << body.toHtmlEscaped() << QStringList()
        << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.modemtally.ModemTally")}}
        << int(-1);
    // Without waiting for a reply: the call must never hold up the session tick.
    msg.setAutoStartService(true);
    bus.send(msg);
}
