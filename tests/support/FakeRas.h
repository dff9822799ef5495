#pragma once

#include "platform/RasControl.h"

#include <QStringList>

#include <functional>

// The remote-access control of the tests: a phone book and an active connection the test sets, a
// record of every call, hooks that run inside a call, and progress events raised only when the test
// says so (as the real control raises them after Dial has returned).
class FakeRas final : public RasControl {
public:
    struct DialCall {
        QString entry, user, password, domain;
    };

    QStringList entries;      // listed by EnumEntries, in order
    QString activeConnection; // reported by EnumConnections ("" for none)
    bool connected = false;   // IsConnected()
    // A broken control: EnumConnections reports nothing at all, not even an empty name.
    bool silentConnections = false;
    // What byteCounts() reports (none: the backend cannot tell).
    std::optional<ByteCounts> counts;

    // Every call but the polls, in order: "EnumEntries", "EditEntry NAME", "CreateEntry", "HangUp NAME",
    // "Dial ENTRY|USER|PASSWORD|DOMAIN".
    QStringList calls;
    QList<DialCall> dials;
    QStringList hangUps;
    int enumConnectionsCalls = 0;

    // Run inside the call, once it is recorded (to report an event from inside it, say).
    std::function<void()> onEnumEntries;
    std::function<void(const QString&)> onHangUp;

    void EnumEntries() override {
        calls << QStringLiteral("EnumEntries");
        if (onEnumEntries)
            onEnumEntries();
        for (const QString& e : entries)
            emit EnumEntry(e);
    }
    void EnumConnections() override {
        ++enumConnectionsCalls;
        if (!silentConnections)
            emit EnumConnection(activeConnection);
    }
    void EditEntry(const QString& name) override { calls << QStringLiteral("EditEntry ") + name; }
    bool IsConnected() override { return connected; }
    void CreateEntry() override { calls << QStringLiteral("CreateEntry"); }
    // Hanging up the dialed entry or the active connection ends it.
    void HangUp(const QString& name) override {
        calls << QStringLiteral("HangUp ") + name;
        hangUps << name;
        if (name == m_entryName || name == activeConnection) {
            connected = false;
            if (name == activeConnection)
                activeConnection.clear();
        }
        if (onHangUp)
            onHangUp(name);
    }
    void Dial() override {
        calls << QStringLiteral("Dial %1|%2|%3|%4").arg(m_entryName, m_userName, m_password, m_domain);
        dials.append(DialCall{m_entryName, m_userName, m_password, m_domain});
    }

    std::optional<ByteCounts> byteCounts() override { return counts; }

    // The dials as "Dial ENTRY|USER|PASSWORD|DOMAIN".
    QStringList dialed() const { return calls.filter(QStringLiteral("Dial ")); }
    // Raises one progress event.
    void status(const QString& text, int code = 0) { emit ConnectionStatus(text, code); }
    // The dialed line comes up (as reported by "Connected").
    void lineUp() {
        activeConnection = m_entryName;
        connected = true;
        status(QStringLiteral("Connected"));
    }
};
