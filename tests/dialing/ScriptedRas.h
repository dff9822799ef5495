#pragma once

// A remote-access control driven by the test: it records every call, reports the entries and the
// active connection it is given, and raises status events only when the test says so.

#include "config/frmConfig.h"
#include "console/frmStart.h"
#include "core/YesNo.h"
#include "dialing/formRAS.h"
#include "monitor/SessionTimer.h"
#include "platform/RasControl.h"
#include "support/TestProgram.h"
#include "support/Ticks.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Short forms for the program's texts in tests.
inline QString S(const char* text) {
    return QString::fromUtf8(text);
}

class ScriptedRas final : public RasControl {
public:
    QStringList entries;
    QString activeConnection;
    bool connected = false;
    QStringList calls;
    std::function<void(const QString&)> onHangUp;

    void EnumEntries() override {
        for (const QString& e : entries)
            emit EnumEntry(e);
    }
    void EnumConnections() override { emit EnumConnection(activeConnection); }
    void EditEntry(const QString& e) override { calls << QStringLiteral("EditEntry ") + e; }
    bool IsConnected() override { return connected; }
    void CreateEntry() override { calls << QStringLiteral("CreateEntry"); }
    void HangUp(const QString& e) override {
        calls << QStringLiteral("HangUp ") + e;
        connected = false;
        if (onHangUp)
            onHangUp(e);
    }
    void Dial() override {
        calls << QStringLiteral("Dial %1|%2|%3|%4").arg(entryName(), userName(), password(), domain());
    }
    void status(const QString& text) { emit ConnectionStatus(text, 0); }
    QStringList dials() const { return calls.filter(QStringLiteral("Dial ")); }
};

// A program with the scripted control, its hidden form and main console loaded, and two profiles.
struct Rig {
    ScriptedRas* ras = nullptr;
    std::unique_ptr<TestProgram> t;

    Rig() {
        Seams seams;
        auto r = std::make_unique<ScriptedRas>();
        ras = r.get();
        seams.ras = std::move(r);
        t = std::make_unique<TestProgram>(std::move(seams));
        Program& p = prog();
        p.formRAS();
        p.frmStart();
        p.settings.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("alice"),
                                        QStringLiteral("Secret"), QStringLiteral("dom"));
        p.settings.gProfiles.addProfile(QStringLiteral("Office"), QStringLiteral("bob"),
                                        QStringLiteral("pw2"), QString());
        p.settings.gDefaultProfile = QStringLiteral("Home");
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
    }

    Program& prog() { return *t->program; }
    frmStart& start() { return prog().frmStart(); }
    formRAS& form() { return prog().formRAS(); }
    FakeMessageBoxes& boxes() { return *t->boxes; }
    QStringList lines() { return start().statusLines(); }

    // One session tick, a second after the last.
    void tick(int n = 1) { tickSeconds(prog(), *t->clock, n); }
    // Ticks of the redial timer, as Qt delivers them: only while it runs.
    void redialTick(int n = 1) {
        for (int i = 0; i < n && form().timerredial.isActive(); ++i)
            form().timerredial_Timer();
    }
    // Dials the default profile and brings the line up.
    void connect() {
        start().cmdConnectDefault->click();
        ras->connected = true;
        ras->status(QStringLiteral("Connected"));
    }
    bool idleButtons() {
        return start().cmdConnectDefault->isEnabled() && !start().cmdHangup->isEnabled() &&
               prog().frmConfig().cmdDial->isEnabled();
    }
    bool dialingButtons() {
        return !start().cmdConnectDefault->isEnabled() && start().cmdHangup->isEnabled() &&
               !prog().frmConfig().cmdDial->isEnabled() && start().timer->isActive();
    }
};
