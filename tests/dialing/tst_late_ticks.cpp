// A session tick that arrives late catches the clock up second by second: the keep-alive, the
// reminder and the limit checks see every second counted, not only the last one.
#include "DialRig.h"
#include "core/ConnectActions.h"
#include "monitor/frmReminder.h"
#include "monitor/frmWarn.h"
#include "support/FakeIcmpEcho.h"

#include <QLineEdit>
#include <QTest>

namespace {
// The session of a dialed line whose ticks the test delivers on time or late, with the keep-alive
// echo faked; the console stays up on connection.
struct CatchUpRig : EchoRig {
    CatchUpRig() {
        prog().settings.gTrayOnConnect = kFalse;
        prog().settings.gStayOnConnect = kTrue;
    }
    // Ticks that each arrive on time, then one that arrives lateMs after the last.
    void run(int onTimeTicks, int lateMs) {
        tick(onTimeTicks);
        t->clock->advance(lateMs);
        SessionTimer::timer_Timer(prog());
    }
    QString warning() {
        Windows& w = ui();
        return w.frmWarn_loaded() && w.frmWarn().isVisible() ? ctl<QLabel>(w.frmWarn(), "labelWarn")->text()
                                                             : QString();
    }
};
} // namespace

class tst_late_ticks : public QObject {
    Q_OBJECT
private slots:
    // The burst belongs to second 30 of each minute; a tick that jumps over it still sends it, once.
    void keep_alive_on_a_second_caught_up_data() {
        QTest::addColumn<int>("onTime");
        QTest::addColumn<int>("lateMs");
        QTest::addColumn<int>("bursts");
        QTest::newRow("late tick over 0:0:30") << 20 << 20000 << 1;
        QTest::newRow("late tick over 0:1:30") << 80 << 15000 << 1;
        QTest::newRow("late tick short of 0:0:30") << 20 << 9000 << 0;
    }
    void keep_alive_on_a_second_caught_up() {
        QFETCH(int, onTime);
        QFETCH(int, lateMs);
        QFETCH(int, bursts);
        CatchUpRig r;
        r.prog().settings.gKeepAlive = kTrue;
        r.connect();
        r.icmp().bursts.clear();
        r.run(onTime, 0);
        if (!r.icmp().bursts.isEmpty())
            r.icmp().finish(); // the burst of an earlier minute is over
        r.icmp().bursts.clear();
        r.run(0, lateMs);
        QCOMPARE(r.icmp().bursts.size(), bursts);
        QCOMPARE(r.prog().session.elapsedSeconds(), onTime + lateMs / 1000);
    }

    // The reminder at 0 : 1 : 0 comes up although the tick that counted that second ended at 0 : 1 : 10.
    void reminder_on_a_second_caught_up() {
        CatchUpRig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gReminderOn = kTrue;
        p.settings.gReminderInterval = 1;
        p.settings.gReminderInMinutes = kTrue;
        p.settings.gReminderInHours = kFalse;
        r.connect();
        r.run(50, 20000);
        QCOMPARE(ctl<QLabel>(w.frmStart(), "labelTime")->text(), S("0 : 1 : 10"));
        QVERIFY(w.frmReminder_loaded() && w.frmReminder().isVisible());
        QCOMPARE(ctl<QLineEdit>(w.frmReminder(), "textReminderTime")->text(), S("0 : 1 : 0"));
    }

    // The free time runs out at second 51 and the per-connection limit at second 61, both inside one
    // late tick: the checks run for each second, so the per-connection warning comes last and is the
    // one left showing (a single check at the end would show the free-time warning over it).
    void limits_checked_for_each_second_caught_up() {
        CatchUpRig r;
        Program& p = r.prog();
        p.settings.gWarnTimePC = kTrue;
        p.settings.gWarnTimePCHours = S("0");
        p.settings.gWarnTimePCMinutes = 1;
        p.settings.gWarnFreeTime = kTrue;
        p.settings.gFreeHours = S("0");
        p.settings.gFreeMinutes = 1;
        r.connect();
        p.session.gMonthSecondsBefore = 10;
        r.run(45, 20000);
        QCOMPARE(p.session.elapsedSeconds(), 65);
        QCOMPARE(p.session.gWarnedFreeTime, true);
        QCOMPARE(p.session.gWarnedTimePC, true);
        QVERIFY2(
            r.warning().startsWith(S("Connection time exceeded the time limit of 0 hours and 1 minutes")),
            qPrintable(r.warning()));
    }
};

QTEST_MAIN(tst_late_ticks)
#include "tst_late_ticks.moc"
