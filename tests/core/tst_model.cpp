// The model on its own, as a script or another front end sees it: no window exists and this program
// is not even linked with the widget library. What the windows would show arrives as signals.
#include "core/DialFlows.h"
#include "core/HangUp.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "support/FakeRas.h"
#include "support/Fakes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct ModelRig {
    QTemporaryDir dir;
    FakeRas* ras = nullptr;
    FakeClock* clock = nullptr;
    FakeMessageBoxes* boxes = nullptr;
    std::unique_ptr<Program> p;

    ModelRig() {
        Seams seams;
        auto r = std::make_unique<FakeRas>();
        auto c = std::make_unique<FakeClock>();
        auto b = std::make_unique<FakeMessageBoxes>();
        ras = r.get();
        clock = c.get();
        boxes = b.get();
        seams.ras = std::move(r);
        seams.clock = std::move(c);
        seams.boxes = std::move(b);
        ras->entries = {QStringLiteral("Home"), QStringLiteral("Office")};
        p = std::make_unique<Program>(std::move(seams), dir.path());
    }
    void tick(int n) {
        for (int i = 0; i < n; ++i) {
            clock->advance(1000);
            SessionTimer::timer_Timer(*p);
        }
    }
};
} // namespace

class tst_model : public QObject {
    Q_OBJECT
private slots:
    // A first run lists the phone book as profiles and asks for the configuration console; a saved
    // default then dials from Connect, and the whole session is told in signals, ending in the record.
    void a_whole_session_told_in_signals() {
        ModelRig r;
        Program& p = *r.p;
        QSignalSpy firstRun(&p, &Program::firstRun);
        QSignalSpy listed(&p, &Program::entryListed);
        p.startUp();
        QCOMPARE(firstRun.size(), 1);
        QCOMPARE(listed.size(), 2);
        QVERIFY(p.settings.gProfiles.hasProfile(QStringLiteral("Office")));
        QCOMPARE(p.settings.gConnectDefault, kFalse); // the console's options: one or the other

        p.settings.gDefaultProfile = QStringLiteral("Office");
        p.settings.gConnectDefault = kTrue;
        p.settings.gCostPerMinute = kTrue;
        p.settings.gCostDollars = QStringLiteral("0");
        p.settings.gCostCents = QStringLiteral("60");
        p.settings.gWarnTimePC = kTrue;
        p.settings.gWarnTimePCMinutes = 1;
        p.settings.gShowCost = kTrue;
        QVERIFY(p.saveSettings());
        QSignalSpy caption(&p, &Program::connectCaptionChanged);
        p.settingsSaved();
        QCOMPARE(caption.value(0).value(0).toString(), QStringLiteral("Connect to Office"));

        QSignalSpy phases(&p.dial, &DialState::phaseChanged);
        QSignalSpy controls(&p.dial, &DialState::controlsChanged);
        QSignalSpy lines(&p.status, &StatusList::lineAdded);
        QSignalSpy seconds(&p.session, &SessionState::secondCounted);
        QSignalSpy warnings(&p.session, &SessionState::warningDue);
        QSignalSpy ended(&p.session, &SessionState::sessionEnded);
        QSignalSpy cost(&p.session, &SessionState::connectionCostDue);

        DialFlows::connectButton(p);
        QCOMPARE(r.ras->dialed(), QStringList{QStringLiteral("Dial Office|||")});
        QCOMPARE(phases.value(0).value(0).value<Phase>(), Phase::Dialing);
        QVERIFY(!p.dial.controls().connect && p.dial.controls().hangUp);
        QVERIFY(p.timer.isActive());
        r.ras->lineUp();
        QCOMPARE(phases.value(1).value(0).value<Phase>(), Phase::Connected);
        QCOMPARE(lines.last().value(0).toString(), QStringLiteral("Connected"));

        r.tick(61);
        QCOMPARE(seconds.size(), 61);
        QCOMPARE(seconds.last().value(0).toString(), QStringLiteral("0 : 1 : 1"));
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(warnings.value(0).value(0).toString(),
                 QStringLiteral("Connection time exceeded the time limit of 0 hours and 1 minutes!"));

        HangUp::hangUp(p, HangupEntry::Button);
        QCOMPARE(phases.last().value(0).value<Phase>(), Phase::Idle);
        QVERIFY(p.dial.controls().connect && !p.dial.controls().hangUp);
        QCOMPARE(p.status.lines(), QStringList{QStringLiteral("Hang up on Office")});
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.value(0).value(0).toString(), QStringLiteral("Office"));
        QCOMPARE(ended.value(0).value(1).toInt(), 61);
        QCOMPARE(ended.value(0).value(2).value<Money>().toText(), QStringLiteral("0.61"));
        QCOMPARE(cost.value(0).value(0).toString(), QStringLiteral("0.61"));
        QVERIFY(!controls.isEmpty());
        QVERIFY(r.boxes->shown.size() == 1); // the first run's welcome only
    }

    // The phase follows the dial: a failure that is not redialed goes back to idle.
    void failure_without_redial_goes_idle() {
        ModelRig r;
        Program& p = *r.p;
        p.settings.gDefaultProfile = QStringLiteral("Home");
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
        p.settings.gRedialTillConnect = kFalse;
        QSignalSpy phases(&p.dial, &DialState::phaseChanged);
        DialFlows::connectButton(p);
        r.ras->status(QStringLiteral("Modem failed to answer"));
        QCOMPARE(r.boxes->texts(), QStringList{QStringLiteral("Connection Failed!")});
        QCOMPARE(phases.size(), 2);
        QCOMPARE(phases.last().value(0).value<Phase>(), Phase::Idle);
        QVERIFY(p.dial.controls().connect);
    }
};

QTEST_GUILESS_MAIN(tst_model)
#include "tst_model.moc"
