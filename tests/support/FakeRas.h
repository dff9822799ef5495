#pragma once

#include "platform/RasControl.h"

#include <QStringList>

// A remote-access control driven by the test: a fixed phone book, an optional active connection, and
// a record of every call. Status events are raised only when the test calls status().
class FakeRas final : public RasControl {
public:
    struct DialCall {
        QString entry, user, password, domain;
    };

    QStringList entries;
    QString activeConnection; // reported by EnumConnections ("" for none)
    bool connected = false;   // IsConnected()
    QList<DialCall> dials;
    QStringList hangUps;
    QStringList edited;
    int created = 0;
    int enumConnectionsCalls = 0;

    void EnumEntries() override {
        for (const QString& e : entries)
            emit EnumEntry(e);
    }
    void EnumConnections() override {
        ++enumConnectionsCalls;
        emit EnumConnection(activeConnection);
    }
    void EditEntry(const QString& name) override { edited << name; }
    bool IsConnected() override { return connected; }
    void CreateEntry() override { ++created; }
    void HangUp(const QString& name) override {
        hangUps << name;
        if (!name.isEmpty() && name == activeConnection) {
            activeConnection.clear();
            connected = false;
        }
    }
    void Dial() override { dials.append(DialCall{m_entryName, m_userName, m_password, m_domain}); }

    // Raises one progress event, as the control would after Dial has returned.
    void status(const QString& text) { emit ConnectionStatus(text, 0); }
    // The dialed line comes up (as reported by "Connected").
    void lineUp() {
        activeConnection = m_entryName;
        connected = true;
        status(QStringLiteral("Connected"));
    }
};
