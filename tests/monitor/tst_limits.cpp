#include "core/Limits.h"
#include "core/YesNo.h"
#include "monitor/frmCost.h"
#include "monitor/frmReminder.h"
#include "monitor/frmTimerConsole.h"
#include "monitor/frmWarn.h"
#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void setClock(Program& p, int h, int m, int s) {
    p.session.gElapsedHours = h;
    p.session.gElapsedMinutes = m;
    p.session.gElapsedSeconds = s;
}

// The message the warning window shows, or "" when no warning window is up.
QString shownWarning(Windows& w) {
    if (!w.frmWarn_loaded() || !w.frmWarn().isVisible())
        return {};
    return ctl<QLabel>(w.frmWarn(), "labelWarn")->text();
}

// Lets the deferred deletion of unloaded windows happen.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Money money(const char* text) {
    return Money::fromText(QLatin1String(text));
}

enum class Check { TimePC, TimePM, CostPC, CostPM, FreeTime };

// Each check's settings and warned flag: the enabling flag, the hours or dollars, the minutes or cents.
struct Fields {
    QString Settings::*enabled;
    QString Settings::*big;
    qint16 Settings::*small;
    bool SessionState::*warned;
};
const Fields kFields[] = {
    {&Settings::gWarnTimePC, &Settings::gWarnTimePCHours, &Settings::gWarnTimePCMinutes,
     &SessionState::gWarnedTimePC},
    {&Settings::gWarnTimePM, &Settings::gWarnTimePMHours, &Settings::gWarnTimePMMinutes,
     &SessionState::gWarnedTimePM},
    {&Settings::gWarnCostPC, &Settings::gWarnCostPCDollars, &Settings::gWarnCostPCCents,
     &SessionState::gWarnedCostPC},
    {&Settings::gWarnCostPM, &Settings::gWarnCostPMDollars, &Settings::gWarnCostPMCents,
     &SessionState::gWarnedCostPM},
    {&Settings::gWarnFreeTime, &Settings::gFreeHours, &Settings::gFreeMinutes,
     &SessionState::gWarnedFreeTime},
};

// Turns one check on with the given limit.
void enable(Program& p, Check c, const QString& big, qint16 small) {
    const Fields& f = kFields[int(c)];
    p.settings.*f.enabled = kTrue;
    p.settings.*f.big = big;
    p.settings.*f.small = small;
}

bool warned(Program& p, Check c) {
    return p.session.*kFields[int(c)].warned;
}

} // namespace

Q_DECLARE_METATYPE(Check)

class tst_limits : public QObject {
    Q_OBJECT
private slots:
    // Each check at its boundary: the limit itself is silent, one more second (or one ten-thousandth)
    // warns with its own text.
    void each_limit_at_its_boundary_data() {
        QTest::addColumn<Check>("check");
        QTest::addColumn<QString>("big");
        QTest::addColumn<int>("small");
        QTest::addColumn<int>("monthBefore");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");

        const QString timePC =
            QStringLiteral("Connection time exceeded the time limit of 1 hours and 0 minutes!");
        QTest::newRow("time per connection 1:0 at 1:0:0") << Check::TimePC << "1" << 0 << 0 << 3600 << "0"
                                                          << "";
        QTest::newRow("time per connection 1:0 at 1:0:1")
            << Check::TimePC << "1" << 0 << 0 << 3601 << "0" << timePC;
        QTest::newRow("time per connection hours text with leading zero")
            << Check::TimePC << "01" << 0 << 0 << 3601 << "0" << timePC;

        const QString timePM =
            QStringLiteral("Connection time exceeded the monthly time limite of 10 hours and 30 minutes!");
        QTest::newRow("time per month at the limit") << Check::TimePM << "10" << 30 << 37000 << 800 << "0"
                                                     << "";
        QTest::newRow("time per month past it")
            << Check::TimePM << "10" << 30 << 37000 << 801 << "0" << timePM;
        QTest::newRow("time per month past it before the line is up")
            << Check::TimePM << "10" << 30 << 37801 << 0 << "0" << timePM;

        const QString costPC = QStringLiteral("Connection cost exceeded the limit of $ 2.5.");
        QTest::newRow("cost 2 and 5 is 2.5: at it") << Check::CostPC << "2" << 5 << 0 << 25000 << "0.0001"
                                                    << "";
        QTest::newRow("cost 2 and 5 is 2.5: past it")
            << Check::CostPC << "2" << 5 << 0 << 25001 << "0.0001" << costPC;
        QTest::newRow("cost 1.44 at 1.50 an hour: 1:0:0")
            << Check::CostPC << "1" << 44 << 0 << 3600 << "0.0004"
            << "";
        QTest::newRow("cost 1.44 at 1.50 an hour: 1:0:1")
            << Check::CostPC << "1" << 44 << 0 << 3601 << "0.0004"
            << QStringLiteral("Connection cost exceeded the limit of $ 1.44.");
        QTest::newRow("cost with no tariff never warns") << Check::CostPC << "0" << 1 << 0 << 99999 << "0"
                                                         << "";

        const QString costPM = QStringLiteral("Connection cost exceeded the monthly limit of $ 5.50.");
        QTest::newRow("monthly cost at 5.5") << Check::CostPM << "5" << 50 << 50000 << 5000 << "0.0001"
                                             << "";
        QTest::newRow("monthly cost past 5.5")
            << Check::CostPM << "5" << 50 << 50000 << 5001 << "0.0001" << costPM;

        const QString free = QStringLiteral("Connection time exceeded the free allocated time!");
        QTest::newRow("free time at it") << Check::FreeTime << "2" << 0 << 7000 << 200 << "0"
                                         << "";
        QTest::newRow("free time past it") << Check::FreeTime << "2" << 0 << 7000 << 201 << "0" << free;

        QTest::newRow("a limit of 0 is silent at 0") << Check::TimePC << "0" << 0 << 0 << 0 << "0"
                                                     << "";
        QTest::newRow("a limit of 0 warns above 0")
            << Check::TimePC << "0" << 0 << 0 << 1 << "0"
            << QStringLiteral("Connection time exceeded the time limit of 0 hours and 0 minutes!");
        QTest::newRow("huge hours do not wrap into a small limit")
            << Check::TimePC << "9000000000000000" << 0 << 0 << 3601 << "0"
            << "";
        QTest::newRow("a huge tariff does not wrap into a small cost")
            << Check::CostPM << "1" << 0 << 2000000000 << 1 << "900000000000000"
            << QStringLiteral("Connection cost exceeded the monthly limit of $ 1.0.");
    }
    void each_limit_at_its_boundary() {
        QFETCH(Check, check);
        QFETCH(QString, big);
        QFETCH(int, small);
        QFETCH(int, monthBefore);
        QFETCH(int, elapsed);
        QFETCH(QString, rate);
        QFETCH(QString, message);

        TestProgram t;
        Program& p = *t;
        enable(p, check, big, qint16(small));
        p.session.gMonthSecondsBefore = monthBefore;
        setClock(p, elapsed / 3600, elapsed / 60 % 60, elapsed % 60);
        Limits::CheckLimits(p, Money::fromText(rate));
        QCOMPARE(shownWarning(t.ui()), message);
        QCOMPARE(warned(p, check), !message.isEmpty());
    }

    void disabled_or_unlimited_checks_stay_silent() {
        TestProgram t;
        Program& p = *t;
        setClock(p, 5, 0, 0);
        p.session.gMonthSecondsBefore = 100000;
        // Every limit at 0, but only the free time enabled, and unlimited time on.
        p.settings.gUnlimitedTime = kTrue;
        p.settings.gWarnFreeTime = kTrue;
        Limits::CheckLimits(p, money("1"));
        QCOMPARE(shownWarning(t.ui()), QString());
        QCOMPARE(p.session.gWarnedFreeTime, false);

        // Unlimited time that is neither "true" nor "false" does not count as "false" either.
        p.settings.gUnlimitedTime = QString();
        Limits::CheckLimits(p, money("1"));
        QCOMPARE(shownWarning(t.ui()), QString());
    }

    void two_warnings_on_one_tick_show_the_later() {
        TestProgram t;
        Program& p = *t;
        enable(p, Check::TimePC, QStringLiteral("1"), 0);
        enable(p, Check::CostPC, QStringLiteral("1"), 44);
        setClock(p, 1, 0, 1);
        Limits::CheckLimits(p, money("0.0004"));
        QCOMPARE(shownWarning(t.ui()), QStringLiteral("Connection cost exceeded the limit of $ 1.44."));
        QCOMPARE(p.session.gWarnedTimePC, true);
        QCOMPARE(p.session.gWarnedCostPC, true);
    }

    void each_warning_once_per_session() {
        TestProgram t;
        Program& p = *t;
        Windows& w = t.ui();
        enable(p, Check::TimePC, QStringLiteral("0"), 1);
        setClock(p, 0, 1, 1);
        Limits::CheckLimits(p, Money());
        QVERIFY(!shownWarning(t.ui()).isEmpty());

        ctl<QPushButton>(w.frmWarn(), "cmdWarnClose")->click();
        settle();
        QVERIFY(!w.frmWarn_loaded());
        setClock(p, 0, 1, 2);
        Limits::CheckLimits(p, Money());
        QVERIFY(!w.frmWarn_loaded());

        // A new dial resets the flags: the warning comes back in a fresh window.
        p.session.gWarnedTimePC = false;
        Limits::CheckLimits(p, Money());
        QCOMPARE(shownWarning(t.ui()),
                 QStringLiteral("Connection time exceeded the time limit of 0 hours and 1 minutes!"));
    }

    void reminder_rules_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("inMinutes");
        QTest::addColumn<QString>("fires");  // clocks "h:m:s" that fire
        QTest::addColumn<QString>("silent"); // clocks that do not

        QTest::newRow("every 20 minutes") << 20 << true << "0:20:0 0:40:0 1:20:0 1:40:0"
                                          << "0:0:0 1:0:0 0:20:1 0:10:0 2:0:0";
        QTest::newRow("every 45 minutes") << 45 << true << "0:45:0 1:45:0 2:45:0"
                                          << "1:30:0 1:0:0 0:15:0";
        QTest::newRow("every 60 minutes never") << 60 << true << ""
                                                << "1:0:0 0:59:0 2:0:0";
        QTest::newRow("every 0 minutes never") << 0 << true << ""
                                               << "0:1:0 1:0:0 0:0:0";
        QTest::newRow("every -5 minutes never") << -5 << true << ""
                                                << "0:5:0 0:10:0";
        QTest::newRow("every 2 hours") << 2 << false << "2:0:0 4:0:0"
                                       << "1:0:0 3:0:0 0:0:0 2:0:1 2:1:0";
        QTest::newRow("every hour") << 1 << false << "1:0:0 7:0:0 12:0:0"
                                    << "0:0:0 1:30:0";
        QTest::newRow("every 0 hours never") << 0 << false << ""
                                             << "1:0:0 2:0:0";
    }
    void reminder_rules() {
        QFETCH(int, interval);
        QFETCH(bool, inMinutes);
        QFETCH(QString, fires);
        QFETCH(QString, silent);
        auto due = [&](const QString& clock) {
            const QStringList hms = clock.split(QLatin1Char(':'));
            return Limits::ReminderDue(hms[0].toInt(), hms[1].toInt(), hms[2].toInt(), interval, inMinutes,
                                       !inMinutes);
        };
        for (const QString& c : fires.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(due(c), qPrintable(c));
        for (const QString& c : silent.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(!due(c), qPrintable(c));
    }

    void reminder_shows_the_time_and_ignore_hides_it() {
        TestProgram t;
        Program& p = *t;
        Windows& w = t.ui();
        p.settings.gReminderOn = kTrue;
        p.settings.gReminderInMinutes = kTrue;
        p.settings.gReminderInHours = kFalse;
        p.settings.gReminderInterval = 20;
        setClock(p, 0, 19, 59);
        Limits::CheckReminder(p);
        QVERIFY(!w.frmReminder_loaded() || !w.frmReminder().isVisible());

        setClock(p, 0, 20, 0);
        Limits::CheckReminder(p);
        QVERIFY(w.frmReminder().isVisible());
        QCOMPARE(ctl<QLineEdit>(w.frmReminder(), "textReminderTime")->text(), QStringLiteral("0 : 20 : 0"));

        ctl<QPushButton>(w.frmReminder(), "cmdReminderClose")->click();
        QVERIFY(!w.frmReminder().isVisible());
        setClock(p, 0, 40, 0);
        Limits::CheckReminder(p);
        QVERIFY(w.frmReminder().isVisible());
        QCOMPARE(ctl<QLineEdit>(w.frmReminder(), "textReminderTime")->text(), QStringLiteral("0 : 40 : 0"));
    }

    void cost_window_note_and_unload() {
        TestProgram t;
        Program& p = *t;
        Windows& w = t.ui();
        emit p.session.connectionCostDue(Money::fromUnits(521).toText(),
                                         QStringLiteral("Hanged up on My ISP"));
        QVERIFY(w.frmCost().isVisible());
        QCOMPARE(ctl<QLabel>(w.frmCost(), "labelCost")->text(), QStringLiteral("0.0521"));
        QCOMPARE(ctl<QLabel>(w.frmCost(), "labelDisc")->text(), QStringLiteral("Hanged up on My ISP"));
        ctl<QPushButton>(w.frmCost(), "Command1")->click();
        settle();
        QVERIFY(!w.frmCost_loaded());
        // Loaded again fresh: no note left over from the last one.
        emit p.session.connectionCostDue(Money::fromUnits(20000).toText(), QString());
        QCOMPARE(ctl<QLabel>(w.frmCost(), "labelDisc")->text(), QString());
        QCOMPARE(ctl<QLabel>(w.frmCost(), "labelCost")->text(), QStringLiteral("2"));
    }

    void timer_console_title_follows_the_clock_only_while_minimized() {
        TestProgram t;
        Program& p = *t;
        emit p.session.timerConsoleWanted();
        frmTimerConsole& w = t.ui().frmTimerConsole();
        QVERIFY(w.isVisible());
        emit p.session.secondCounted(QStringLiteral("0 : 0 : 1"));
        QCOMPARE(ctl<QLineEdit>(w, "textTimerValue")->text(), QStringLiteral("0 : 0 : 1"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Timer"));

        w.showMinimized();
        emit p.session.secondCounted(QStringLiteral("0 : 0 : 2"));
        QCOMPARE(w.windowTitle(), QStringLiteral("0 : 0 : 2"));
        w.showNormal();
        emit p.session.secondCounted(QStringLiteral("0 : 0 : 3"));
        QCOMPARE(w.windowTitle(), QStringLiteral("0 : 0 : 2"));
        QCOMPARE(ctl<QLineEdit>(w, "textTimerValue")->text(), QStringLiteral("0 : 0 : 3"));

        ctl<QPushButton>(w, "cmdTimerClose")->click();
        settle();
        QVERIFY(t.ui().frmTimerConsole_loaded());
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(tst_limits)
#include "tst_limits.moc"
