#pragma once

#include <QDBusMetaType>
#include <QMap>
#include <QString>
#include <QVariantMap>

// NetworkManager's settings of a profile: a{sa{sv}} (setting name -> property -> value).
using NmSettings = QMap<QString, QVariantMap>;
// VPN secrets and data: a{ss}.
using NmStringMap = QMap<QString, QString>;

namespace NmNames {
inline QString service() {
    return QStringLiteral("org.freedesktop.NetworkManager");
}
inline QString managerPath() {
    return QStringLiteral("/org/freedesktop/NetworkManager");
}
inline QString managerIface() {
    return QStringLiteral("org.freedesktop.NetworkManager");
}
inline QString settingsPath() {
    return QStringLiteral("/org/freedesktop/NetworkManager/Settings");
}
inline QString settingsIface() {
    return QStringLiteral("org.freedesktop.NetworkManager.Settings");
}
inline QString connectionIface() {
    return QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
}
inline QString activeIface() {
    return QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
}
inline QString deviceIface() {
    return QStringLiteral("org.freedesktop.NetworkManager.Device");
}
inline QString statisticsIface() {
    return QStringLiteral("org.freedesktop.NetworkManager.Device.Statistics");
}
inline QString agentManagerPath() {
    return QStringLiteral("/org/freedesktop/NetworkManager/AgentManager");
}
inline QString agentManagerIface() {
    return QStringLiteral("org.freedesktop.NetworkManager.AgentManager");
}
inline QString agentPath() {
    return QStringLiteral("/org/freedesktop/NetworkManager/SecretAgent");
}
inline QString agentIface() {
    return QStringLiteral("org.freedesktop.NetworkManager.SecretAgent");
}
inline QString propertiesIface() {
    return QStringLiteral("org.freedesktop.DBus.Properties");
}
} // namespace NmNames

// Registers the D-Bus types above (once per process; safe to call again).
void registerNmDBusTypes();
