#include "platform/ras/nm/NmSecretAgent.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

void registerNmDBusTypes() {
    static const bool done = [] {
        qDBusRegisterMetaType<NmSettings>();
        qDBusRegisterMetaType<NmStringMap>();
        return true;
    }();
    (void)done;
}

NmSecretAgent::NmSecretAgent(Provider provider, QObject* parent)
    : QDBusVirtualObject(parent), m_provider(std::move(provider)) {
    registerNmDBusTypes();
}

QString NmSecretAgent::introspect(const QString&) const {
    return QStringLiteral(R"(<interface name="org.freedesktop.NetworkManager.SecretAgent">
  <method name="GetSecrets">
    <arg name="connection" type="a{sa{sv}}" direction="in"/>
    <arg name="connection_path" type="o" direction="in"/>
    <arg name="setting_name" type="s" direction="in"/>
    <arg name="hints" type="as" direction="in"/>
    <arg name="flags" type="u" direction="in"/>
    <arg name="secrets" type="a{sa{sv}}" direction="out"/>
  </method>
  <method name="CancelGetSecrets">
    <arg name="connection_path" type="o" direction="in"/>
    <arg name="setting_name" type="s" direction="in"/>
  </method>
  <method name="SaveSecrets">
    <arg name="connection" type="a{sa{sv}}" direction="in"/>
    <arg name="connection_path" type="o" direction="in"/>
  </method>
  <method name="DeleteSecrets">
    <arg name="connection" type="a{sa{sv}}" direction="in"/>
    <arg name="connection_path" type="o" direction="in"/>
  </method>
</interface>
)");
}

bool NmSecretAgent::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (message.type() != QDBusMessage::MethodCallMessage || message.interface() != NmNames::agentIface())
        return false;
    const QString member = message.member();
    if (member != QLatin1String("GetSecrets") && member != QLatin1String("CancelGetSecrets") &&
        member != QLatin1String("SaveSecrets") && member != QLatin1String("DeleteSecrets"))
        return false;
    if (!m_owner.isEmpty() && message.service() == m_owner) {
        answer(message, connection);
        return true;
    }
    // Not the owner of NetworkManager's name as last seen: answered only when the caller runs as root.
    // The bus is asked without waiting (a blocking call here would hold up the connection's
    // dispatch), and the reply follows when it answers.
    QDBusMessage uidCall = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixUser"));
    uidCall.setArguments({message.service()});
    auto* watcher = new QDBusPendingCallWatcher(connection.asyncCall(uidCall), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, message, connection](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> uid = *w;
                if (uid.isValid() && uid.value() == 0) {
                    answer(message, connection);
                    return;
                }
                connection.send(message.createErrorReply(
                    QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.PermissionDenied"),
                    QStringLiteral("ModemTally answers NetworkManager only")));
            });
    return true;
}

void NmSecretAgent::answer(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString member = message.member();
    const QList<QVariant> args = message.arguments();
    if (member == QLatin1String("GetSecrets")) {
        if (args.size() != 5 || message.signature() != QLatin1String("a{sa{sv}}osasu")) {
            connection.send(
                message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("bad arguments")));
            return;
        }
        const NmSettings conn = qdbus_cast<NmSettings>(args.at(0));
        Request req;
        req.connectionPath = qvariant_cast<QDBusObjectPath>(args.at(1)).path();
        const QVariantMap c = conn.value(QStringLiteral("connection"));
        const auto uuid = c.constFind(QStringLiteral("uuid"));
        if (uuid != c.constEnd())
            req.connectionUuid = m_args.string(*uuid, "GetSecrets connection.uuid").value_or(QString());
        req.settingName = args.at(2).toString();
        req.hints = args.at(3).toStringList();
        req.flags = args.at(4).toUInt();
        const std::optional<NmSettings> reply = m_provider ? m_provider(req) : std::nullopt;
        if (reply) {
            connection.send(message.createReply(QVariant::fromValue(*reply)));
        } else {
            connection.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.NoSecrets"),
                QStringLiteral("ModemTally has no secrets for this connection")));
        }
        return;
    }
    // CancelGetSecrets, SaveSecrets, DeleteSecrets: requests are answered at once and nothing is
    // stored, so there is nothing to cancel, save or delete.
    connection.send(message.createReply());
}

NmSettings secretsForSetting(const QString& settingName, const QString& user, const QString& password,
                             const QString& domain) {
    const QString login = domain.isEmpty() || user.isEmpty() ? user : domain + QLatin1Char('\\') + user;
    QVariantMap values;
    if (settingName == QLatin1String("vpn")) {
        NmStringMap secrets;
        secrets.insert(QStringLiteral("password"), password);
        values.insert(QStringLiteral("secrets"), QVariant::fromValue(secrets));
    } else if (settingName == QLatin1String("802-1x")) {
        if (!login.isEmpty())
            values.insert(QStringLiteral("identity"), login);
        values.insert(QStringLiteral("password"), password);
    } else {
        if (!login.isEmpty())
            values.insert(QStringLiteral("username"), login);
        values.insert(QStringLiteral("password"), password);
    }
    NmSettings out;
    out.insert(settingName, values);
    return out;
}
