#pragma once

#include "platform/ras/nm/NmArgs.h"
#include "platform/ras/nm/NmTypes.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>

#include <functional>
#include <optional>

// A NetworkManager secret agent: the object at /org/freedesktop/NetworkManager/SecretAgent that
// NetworkManager asks for the secrets of a connection it activates. It answers only what its provider
// returns; everything else gets the NoSecrets error, so that other agents (or NetworkManager's own
// stored secrets) are used.
//
// Only NetworkManager is answered: the current owner of its bus name, or a caller running as root.
// Anyone else on the bus gets the PermissionDenied error, and their calls never reach the provider
// (they could read the dial's password, or use up the answers meant for NetworkManager's own retry).
class NmSecretAgent final : public QDBusVirtualObject {
    Q_OBJECT
public:
    struct Request {
        QString connectionPath;
        QString connectionUuid;
        QString settingName;
        QStringList hints;
        uint flags = 0;
    };
    // Returns the settings to answer with, or nothing to decline.
    using Provider = std::function<std::optional<NmSettings>(const Request&)>;

    explicit NmSecretAgent(Provider provider, QObject* parent = nullptr);

    // The unique bus name that owns NetworkManager's name now (empty: nobody).
    void setNetworkManagerOwner(const QString& uniqueName) { m_owner = uniqueName; }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    // Answers a call of NetworkManager's.
    void answer(const QDBusMessage& message, const QDBusConnection& connection);

    Provider m_provider;
    QString m_owner;
    NmArgs m_args;
};

// The secrets NetworkManager expects for one setting, made of the dial's credentials: "username" and
// "password" for the PPP-based settings (pppoe, gsm, cdma, ppp...), the "secrets" map for vpn, and
// "identity"/"password" for 802-1x. A domain, when given, goes before the user name as
// "DOMAIN\user", the way dial-up servers expect a domain login.
NmSettings secretsForSetting(const QString& settingName, const QString& user, const QString& password,
                             const QString& domain);
