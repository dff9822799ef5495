#pragma once

// A month of use in accelerated time, shared by the soak test and the memory benchmark: the program
// with the simulator backend, a fake clock and recording message boxes, driven through dial /
// connect / hang-up cycles with busy lines and redials, lines that drop by themselves, connections
// made by another program and taken up by Scan, and a per-session time limit low enough to warn.
//
// Every cycle keeps what it drove (the seconds each session lasted on the clock, the redials, the
// warnings) so that the caller can compare the program's record with it.

#include "config/frmConfig.h"
#include "console/Windows.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "monitor/frmWarn.h"
#include "platform/ras/sim/SimRasControl.h"
#include "support/Controls.h"
#include "support/Fakes.h"
#include "support/Ticks.h"

#include <QEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <memory>

class SoakDriver : public QObject {
public:
    enum class Kind { Dial, Drop, Adopt };
    static constexpr int kDropAfter = 150; // seconds the "Flaky" line stays up
    static constexpr int kWarnAfter = 120; // the per-session time limit: 0 hours 2 minutes

    QTemporaryDir dir;
    FakeMessageBoxes* boxes = nullptr;
    FakeClock* clock = nullptr;
    SimRasControl* ras = nullptr;
    std::unique_ptr<Program> program;
    std::unique_ptr<Windows> windows; // after the program: destroyed first
    QRandomGenerator rng{20260601};

    // What the cycles drove.
    QStringList expectedLines; // the month record's lines, one per session
    qint64 expectedSeconds = 0;
    int sessions = 0;
    int redials = 0;
    int adoptions = 0;
    int drops = 0;
    int warningsExpected = 0;
    int warningsShown = 0; // counted from the warning window's show events
    QString failure;       // the first thing that went other than driven, or empty
    // Idle time between sessions: base plus up to spread seconds (about two hours and a half on
    // average, so that 300 cycles fill most of a month).
    int idleBase = 5400;
    int idleSpread = 3600;
    // The memory benchmark keeps no record of its own, so only the program's memory is measured.
    bool keepRecord = true;
    // The user closes each warning before the next session (the test counts each showing). The
    // memory benchmark leaves it open: the offscreen platform keeps a little memory for every time a
    // window is shown again, which is not the program's.
    bool closeWarnings = true;

    SoakDriver() {
        SimPhoneBook book;
        SimEntry home;
        home.name = QStringLiteral("Home");
        home.number = QStringLiteral("555-0100");
        // Its attempts go busy, busy, connect, connect, connect, and again: a dial in every few
        // meets two busy lines and redials.
        home.outcomes.clear();
        for (int i = 0; i < 5000; ++i)
            home.outcomes << (i % 5 < 2 ? SimOutcome::Busy : SimOutcome::Connect);
        SimEntry flaky;
        flaky.name = QStringLiteral("Flaky");
        flaky.number = QStringLiteral("555-0199");
        flaky.dropAfterSeconds = kDropAfter;
        book.entries << home << flaky;

        auto b = std::make_unique<FakeMessageBoxes>();
        auto c = std::make_unique<FakeClock>();
        auto r = std::make_unique<SimRasControl>(book);
        boxes = b.get();
        clock = c.get();
        ras = r.get();
        clock->setNow(QDateTime(QDate(2026, 6, 1), QTime(0, 5, 0)));
        Seams seams;
        seams.boxes = std::move(b);
        seams.clock = std::move(c);
        seams.ras = std::move(r);
        program = std::make_unique<Program>(std::move(seams), dir.path());
        windows = std::make_unique<Windows>(*program);

        Program& p = *program;
        Windows& w = *windows;
        w.frmStart();
        Settings& s = p.settings;
        s.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("alice"), QStringLiteral("Secret"), {});
        s.gProfiles.addProfile(QStringLiteral("Flaky"), QStringLiteral("bob"), QStringLiteral("pw2"), {});
        s.gDefaultProfile = QStringLiteral("Home");
        s.gConnectDefault = kTrue;
        s.gPromptPassword = kFalse;
        s.gRedialTillConnect = kTrue;
        s.gRedialLimited = kFalse;
        s.gWarnTimePC = kTrue;
        s.gWarnTimePCHours = QStringLiteral("0");
        s.gWarnTimePCMinutes = qint16(kWarnAfter / 60);
        s.gCostPerHour = kTrue;
        s.gCostDollars = QStringLiteral("1");
        s.gCostCents = QStringLiteral("20");
        w.frmWarn().installEventFilter(this);
    }

    Program& p() { return *program; }
    frmStart& start() { return windows->frmStart(); }

    // One cycle; the kind follows from its number so that every run drives the same month.
    void cycle(int n) {
        const Kind kind = n % 10 == 3 ? Kind::Adopt : n % 10 == 7 ? Kind::Drop : Kind::Dial;
        // The machine is idle between sessions: about two hours, spread so the month fills up.
        clock->advance(qint64(idleBase + int(rng.bounded(idleSpread))) * 1000);
        switch (kind) {
        case Kind::Dial:
            dialAndHangUp(5 + int(rng.bounded(236)));
            break;
        case Kind::Drop:
            dialAndDrop();
            break;
        case Kind::Adopt:
            adoptAndHangUp(5 + int(rng.bounded(236)));
            break;
        }
        if (closeWarnings && windows->frmWarn_loaded())
            windows->frmWarn().hide();
        if (!idle())
            fail(QStringLiteral("cycle %1 did not end idle").arg(n));
        if (!keepRecord) {
            expectedLines.clear();
            boxes->shown.clear();
        }
    }

    void run(int cycles) {
        for (int n = 0; n < cycles && failure.isEmpty(); ++n)
            cycle(n);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && program && windows->frmWarn_loaded() &&
            watched == &windows->frmWarn())
            ++warningsShown;
        return false;
    }

private:
    void fail(const QString& why) {
        if (failure.isEmpty())
            failure = why;
    }

    bool idle() {
        Program& pr = *program;
        return !pr.dial.gConnected && !pr.dial.gDialing && !pr.timer.isActive() &&
               !pr.formRAS().timerredial.isActive() &&
               ctl<QPushButton>(start(), "cmdConnectDefault")->isEnabled() &&
               !ctl<QPushButton>(start(), "cmdHangup")->isEnabled() && ras->lineEntry().isEmpty();
    }

    void tick(int seconds) { tickSeconds(*program, *clock, seconds); }

    // The dial of the default profile runs its statuses; a busy line waits the redial timer's seven
    // ticks and dials again, until the line is up.
    bool dialUntilUp(const QString& profile) {
        program->settings.gDefaultProfile = profile;
        ctl<QPushButton>(start(), "cmdConnectDefault")->click();
        for (int attempt = 0; attempt < 10; ++attempt) {
            ras->advanceDial();
            if (program->dial.gConnected)
                return true;
            formRAS& form = program->formRAS();
            if (!form.timerredial.isActive())
                break;
            ++redials;
            for (int i = 0; i < 7 && form.timerredial.isActive(); ++i) {
                clock->advance(1000);
                form.timerredial_Timer();
                SessionTimer::timer_Timer(*program);
            }
        }
        fail(QStringLiteral("%1 did not connect").arg(profile));
        return false;
    }

    void record(int seconds, bool warns) {
        expectedLines << QLatin1Char(' ') + QString::number(seconds) + QLatin1Char(' ');
        expectedSeconds += seconds;
        ++sessions;
        if (warns)
            ++warningsExpected;
    }

    void dialAndHangUp(int seconds) {
        if (!dialUntilUp(QStringLiteral("Home")))
            return;
        tick(seconds);
        ctl<QPushButton>(start(), "cmdHangup")->click();
        ras->advanceDial();
        record(seconds, seconds > kWarnAfter);
    }

    // The line drops by itself after its time; the next tick finds it gone and ends the session.
    void dialAndDrop() {
        if (!dialUntilUp(QStringLiteral("Flaky")))
            return;
        tick(kDropAfter);
        if (!ras->dropPending() || !ras->advance())
            fail(QStringLiteral("the line did not drop"));
        tick(1);
        ++drops;
        record(kDropAfter + 1, kDropAfter > kWarnAfter);
    }

    // Another program brings the line up; Scan takes it up (with its box) and the user hangs up.
    void adoptAndHangUp(int seconds) {
        if (!ras->connectOutside(QStringLiteral("Home"))) {
            fail(QStringLiteral("the outside connection could not be made"));
            return;
        }
        ctl<QPushButton>(start(), "Command2")->click();
        if (!program->dial.gConnected) {
            fail(QStringLiteral("the outside connection was not taken up"));
            return;
        }
        ++adoptions;
        tick(seconds);
        ctl<QPushButton>(start(), "cmdHangup")->click();
        ras->advanceDial();
        record(seconds, seconds > kWarnAfter);
    }
};
