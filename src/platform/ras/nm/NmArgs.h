#pragma once

#include <QDBusMessage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <initializer_list>
#include <optional>

class QDBusError;

// The D-Bus type signature of a value as it arrived in a message or inside a variant ("u", "ao",
// "a{sv}" ...); empty for a value that did not come from D-Bus.
QString dbusSignatureOf(const QVariant& value);

// Takes arguments and property values out of NetworkManager's messages only when they have the type
// NetworkManager declares. Qt's readers trust the type they are asked for: a list of object paths
// read from a list of numbers never ends (it grows until memory runs out), and other mismatches read
// as empty values that look real. A value of another type is not read: it counts as absent, and the
// fault is logged once for each kind (where it was, what came instead), however often it comes.
class NmArgs {
public:
    // `peer` names the sender in the log ("NetworkManager", "a secret agent caller").
    explicit NmArgs(QString peer = QStringLiteral("NetworkManager")) : m_peer(std::move(peer)) {}

    // True when the value has the signature; otherwise logs the fault (once) and returns false.
    // `where` names the value in the log, for example "PropertiesChanged ActiveConnections".
    bool check(const QVariant& value, QStringView signature, QAnyStringView where);
    // The message's arguments when the first ones have the given types, one complete type each, in
    // order (more arguments may follow); else nothing (logged once).
    std::optional<QList<QVariant>> arguments(const QDBusMessage& message,
                                             std::initializer_list<QStringView> signatures,
                                             QAnyStringView where);
    // Logs (once) the error of a reply that Qt refused for its signature (`expected`: the declared
    // one); other errors are no type faults and are not logged.
    void checkReplyError(const QDBusError& error, QStringView expected, QAnyStringView where);

    std::optional<uint> uint32(const QVariant& value, QAnyStringView where);
    std::optional<quint64> uint64(const QVariant& value, QAnyStringView where);
    std::optional<QString> string(const QVariant& value, QAnyStringView where);
    std::optional<QString> path(const QVariant& value, QAnyStringView where);
    std::optional<QStringList> paths(const QVariant& value, QAnyStringView where);
    std::optional<QVariantMap> map(const QVariant& value, QAnyStringView where);

    // Kinds of fault logged so far.
    qsizetype faultsLogged() const { return m_logged.size(); }

private:
    void fault(QAnyStringView where, QStringView expected, const QString& got);

    QString m_peer;
    QSet<QString> m_logged;
};
