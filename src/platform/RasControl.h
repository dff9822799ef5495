#pragma once

#include <QObject>
#include <QString>

#include <optional>

// Bytes carried by a connection's interface, as its counters stand (they count from the moment the
// interface came up, or were reset: callers take differences).
struct ByteCounts {
    quint64 received = 0;
    quint64 sent = 0;
    bool operator==(const ByteCounts&) const = default;
};

// The remote-access control: the phone book's entries, the active connection, dialing and hang-up.
// Backends: the simulator (platform/ras/sim) and NetworkManager (platform/ras/nm).
//
// Event timing every caller relies on:
// - EnumEntries() emits EnumEntry once per entry, always in the same order, all before it returns;
// - EnumConnections() emits EnumConnection for the active connection, or once with an empty name,
//   before it returns;
// - Dial() returns at once; ConnectionStatus events arrive afterwards from the event loop, never from
//   inside Dial().
// Status texts: one beginning with "Connected" means the link is up; one holding " failed" at its
// second character or later means the attempt failed; one holding "Validation attempt" is
// authentication. All other texts are progress shown as they come.
class RasControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~RasControl() override = default;

    // Properties, written before every dial in this order.
    void setEntryName(const QString& v) { m_entryName = v; }
    void setUserName(const QString& v) { m_userName = v; }
    void setPassword(const QString& v) { m_password = v; }
    void setDomain(const QString& v) { m_domain = v; }
    QString entryName() const { return m_entryName; }
    QString userName() const { return m_userName; }
    QString password() const { return m_password; }
    QString domain() const { return m_domain; }

    virtual void EnumEntries() = 0;
    virtual void EnumConnections() = 0;
    virtual void EditEntry(const QString& entryName) = 0;
    // True while the connection made by this control's own Dial() is up.
    virtual bool IsConnected() = 0;
    virtual void CreateEntry() = 0;
    // Hangs up the connection or dial attempt of that entry; empty or nothing to hang up does nothing.
    virtual void HangUp(const QString& entryName) = 0;
    virtual void Dial() = 0;
    // The byte counters of the active connection (own or adopted), or nothing when no line is up or
    // the backend cannot tell. Never blocks: backends answer from what they already hold or from a
    // small kernel file, so the session tick may read it every second.
    virtual std::optional<ByteCounts> byteCounts() { return std::nullopt; }

signals:
    void ConnectionStatus(const QString& StatusText, int StatusCode);
    void EnumConnection(const QString& szConnection);
    void EnumEntry(const QString& szEntry);

protected:
    QString m_entryName;
    QString m_userName;
    QString m_password;
    QString m_domain;
};
