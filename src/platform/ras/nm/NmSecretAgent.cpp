#include "platform/ras/nm/NmSecretAgent.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>

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
    const QList<QVariant> args = message.arguments();
    if (member == QLatin1String("GetSecrets")) {
        if (args.size() != 5 || message.signature() != QLatin1String("a{sa{sv}}osasu")) {
            connection.send(
                message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("bad arguments")));
            return true;
        }
        const NmSettings conn = qdbus_cast<NmSettings>(args.at(0));
        Request req;
        req.connectionPath = qvariant_cast<QDBusObjectPath>(args.at(1)).path();
        req.connectionUuid =
            conn.value(QStringLiteral("connection")).value(QStringLiteral("uuid")).toString();
        req.settingName = args.at(2).toString();
        req.hints = args.at(3).toStringList();
        req.flags = args.at(4).toUInt();
        const std::optional<NmSettings> answer = m_provider ? m_provider(req) : std::nullopt;
        if (answer) {
            connection.send(message.createReply(QVariant::fromValue(*answer)));
        } else {
            connection.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.NoSecrets"),
                QStringLiteral("ModemTally has no secrets for this connection")));
        }
        return true;
    }
    if (member == QLatin1String("CancelGetSecrets") || member == QLatin1String("SaveSecrets") ||
        member == QLatin1String("DeleteSecrets")) {
        // Requests are answered at once and nothing is stored, so there is nothing to cancel, save or
        // delete.
        connection.send(message.createReply());
        return true;
    }
    return false;
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
