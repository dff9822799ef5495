#pragma once

// A program with the test's remote-access control, its main console loaded, and two profiles; the
// default profile "Home" is dialed without a password prompt.

#include "config/frmConfig.h"
#include "console/frmStart.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "support/FakeIcmpEcho.h"
#include "support/FakeRas.h"
#include "support/TestProgram.h"
#include "support/Ticks.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

// Short forms for the program's texts in tests.
inline QString S(const char* text) {
    return QString::fromUtf8(text);
}

struct Rig {
    FakeRas* ras = nullptr;
    std::unique_ptr<TestProgram> t;

    // Further seams of the test's own may be given.
    explicit Rig(Seams seams = {}) {
        auto r = std::make_unique<FakeRas>();
        ras = r.get();
        seams.ras = std::move(r);
        t = std::make_unique<TestProgram>(std::move(seams));
        Program& p = prog();
        ui().frmStart();
        p.settings.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("alice"),
                                        QStringLiteral("Secret"), QStringLiteral("dom"));
        p.settings.gProfiles.addProfile(QStringLiteral("Office"), QStringLiteral("bob"),
                                        QStringLiteral("pw2"), QString());
        p.settings.gDefaultProfile = QStringLiteral("Home");
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
    }

    Program& prog() { return *t->program; }
    Windows& ui() { return t->ui(); }
    frmStart& start() { return ui().frmStart(); }
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
        ctl<QPushButton>(start(), "cmdConnectDefault")->click();
        ras->connected = true;
        ras->status(QStringLiteral("Connected"));
    }
    bool idleButtons() {
        return ctl<QPushButton>(start(), "cmdConnectDefault")->isEnabled() &&
               !ctl<QPushButton>(start(), "cmdHangup")->isEnabled() &&
               ctl<QPushButton>(ui().frmConfig(), "cmdDial")->isEnabled();
    }
    bool dialingButtons() {
        return !ctl<QPushButton>(start(), "cmdConnectDefault")->isEnabled() &&
               ctl<QPushButton>(start(), "cmdHangup")->isEnabled() &&
               !ctl<QPushButton>(ui().frmConfig(), "cmdDial")->isEnabled() && prog().timer.isActive();
    }
};

// The same with the keep-alive echo faked.
struct EchoRig : Rig {
    EchoRig() : Rig(withEcho()) {}
    static Seams withEcho() {
        Seams s;
        s.icmp = std::make_unique<FakeIcmpEcho>();
        return s;
    }
    FakeIcmpEcho& icmp() { return static_cast<FakeIcmpEcho&>(prog().icmp()); }
};
