// The session clock, the cost arithmetic and the monthly record.
#include "core/DialFlows.h"
#include "core/MonthFile.h"
#include "dialing/DialRig.h"
#include "monitor/frmReminder.h"
#include "monitor/frmWarn.h"
#include "support/FakeIcmpEcho.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>

class tst_session : public QObject {
    Q_OBJECT
private slots:
    void elapsed_text_data() {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("s");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0 << 0 << 0 << S("0 : 0 : 0");
        QTest::newRow("no leading zeros") << 1 << 5 << 9 << S("1 : 5 : 9");
        QTest::newRow("two digits") << 12 << 30 << 59 << S("12 : 30 : 59");
    }
    void elapsed_text() {
        QFETCH(int, h);
        QFETCH(int, m);
        QFETCH(int, s);
        QFETCH(QString, text);
        Rig r;
        r.prog().session.gElapsedHours = h;
        r.prog().session.gElapsedMinutes = m;
        r.prog().session.gElapsedSeconds = s;
        QCOMPARE(SessionTimer::ElapsedText(r.prog()), text);
    }

    void month_file_name_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("name");
        QTest::newRow("June") << QDate(2026, 6, 1) << S("20266.txt");
        QTest::newRow("December") << QDate(2026, 12, 31) << S("202612.txt");
        QTest::newRow("January") << QDate(2027, 1, 15) << S("20271.txt");
    }
    void month_file_name() {
        QFETCH(QDate, date);
        QFETCH(QString, name);
        QCOMPARE(SessionTimer::MonthFileName(date), name);
    }

    // The tick's rounded per-second rate and the final cost's unrounded one.
    void rates_and_costs_data() {
        QTest::addColumn<QString>("dollars");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<QString>("perHour");
        QTest::addColumn<QString>("perMinute");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<qint64>("rate");
        QTest::addColumn<qint64>("tickCost");
        QTest::addColumn<qint64>("finalCost");
        QTest::newRow("1.50 an hour") << S("1") << S("50") << S("true") << S("false") << 3600 << qint64(4)
                                      << qint64(14400) << qint64(15000);
        QTest::newRow("cents text 5 is .5") << S("1") << S("5") << S("true") << S("false") << 3600
                                            << qint64(4) << qint64(14400) << qint64(15000);
        QTest::newRow("1.05 an hour") << S("1") << S("05") << S("true") << S("false") << 3600 << qint64(3)
                                      << qint64(10800) << qint64(10500);
        QTest::newRow("0.05 a minute")
            << S("0") << S("05") << S("false") << S("true") << 60 << qint64(8) << qint64(480) << qint64(500);
        QTest::newRow("hour wins over minute")
            << S("0") << S("60") << S("true") << S("true") << 1 << qint64(2) << qint64(2) << qint64(2);
        QTest::newRow("no tariff mode")
            << S("9") << S("99") << S("false") << S("false") << 3600 << qint64(0) << qint64(0) << qint64(0);
        QTest::newRow("ten hours at 0.01 a minute") << S("0") << S("01") << S("false") << S("true") << 36000
                                                    << qint64(2) << qint64(72000) << qint64(60000);
    }
    void rates_and_costs() {
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        QFETCH(QString, perHour);
        QFETCH(QString, perMinute);
        QFETCH(int, seconds);
        QFETCH(qint64, rate);
        QFETCH(qint64, tickCost);
        QFETCH(qint64, finalCost);
        Rig r;
        Settings& s = r.prog().settings;
        s.gCostDollars = dollars;
        s.gCostCents = cents;
        s.gCostPerHour = perHour;
        s.gCostPerMinute = perMinute;
        const Money perSecond = SessionTimer::RatePerSecond(r.prog());
        QCOMPARE(perSecond.units(), rate);
        QCOMPARE(perSecond.times(seconds).units(), tickCost);
        QCOMPARE(SessionTimer::FinalCost(r.prog(), seconds).units(), finalCost);
    }

    // The tariff texts are kept as typed in the user's locale: a decimal comma or digit grouping
    // there reads as the number shown, not as no tariff; plain digits keep the dollars-point-cents
    // reading.
    void tariff_typed_in_the_locale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dollars");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<qint64>("tariff");
        QTest::newRow("plain digits") << S("de_DE") << S("2") << S("5") << qint64(25000);
        QTest::newRow("decimal comma") << S("de_DE") << S("1,5") << S("00") << qint64(15000);
        QTest::newRow("decimal comma and cents") << S("de_DE") << S("1,5") << S("05") << qint64(15500);
        QTest::newRow("point grouping") << S("de_DE") << S("1.000") << S("50") << qint64(10005000);
        QTest::newRow("comma grouping") << S("en_US") << S("1,000") << S("05") << qint64(10000500);
        QTest::newRow("point in a point locale") << S("en_US") << S("1.5") << S("") << qint64(15000);
        QTest::newRow("not a number") << S("de_DE") << S("abc") << S("50") << qint64(0);
        QTest::newRow("too large to hold") << S("de_DE") << S("8e14") << S("8e16") << qint64(0);
    }
    void tariff_typed_in_the_locale() {
        QFETCH(QString, locale);
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        QFETCH(qint64, tariff);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        Rig r;
        Settings& s = r.prog().settings;
        s.gCostDollars = dollars;
        s.gCostCents = cents;
        s.gCostPerMinute = kTrue;
        QCOMPARE(SessionTimer::FinalCost(r.prog(), 60).units(), tariff);
        QCOMPARE(SessionTimer::RatePerSecond(r.prog()).units(), divideTiesToEven(tariff, 60));
    }

    void clock_runs_while_connected() {
        Rig r;
        Program& p = r.prog();
        p.settings.gTrayOnConnect = kTrue;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.tick(5);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 0"));
        r.ras->connected = true;
        r.ras->status(S("Connected"));
        r.tick();
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 1"));
        r.tick(59);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 1 : 0"));
        r.tick(3540);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("1 : 0 : 0"));
        r.tick(32400 + 61);
        QCOMPARE(p.session.elapsedSeconds(), 36061);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("10 : 1 : 1"));
        QCOMPARE(p.flags.gTrayTip, S("Elapsed Time - 10 : 1 : 1"));
    }

    // Ticks arriving late, early or after a long block: the clock shows the seconds really spent.
    void late_ticks_data() {
        QTest::addColumn<QList<int>>("gaps");
        QTest::addColumn<int>("seconds");
        QTest::newRow("steady") << QList<int>{1000, 1000, 1000} << 3;
        QTest::newRow("one tick four seconds late") << QList<int>{1000, 5000, 1000} << 7;
        QTest::newRow("box open a minute") << QList<int>{1000, 60000} << 61;
        QTest::newRow("connected half-way between ticks") << QList<int>{500, 1000, 1000} << 3;
        QTest::newRow("early ticks count nothing twice") << QList<int>{1000, 300, 300, 300, 1000} << 3;
        QTest::newRow("late then on time") << QList<int>{2500, 500, 1000} << 4;
        QTest::newRow("tick in the same instant") << QList<int>{0, 1000} << 1;
    }
    void late_ticks() {
        QFETCH(QList<int>, gaps);
        QFETCH(int, seconds);
        Rig r;
        r.connect();
        for (int gap : gaps) {
            r.t->clock->advance(gap);
            SessionTimer::timer_Timer(r.prog());
        }
        QCOMPARE(r.prog().session.elapsedSeconds(), seconds);
    }

    // A tick that catches up several seconds does each second's work on its own second: the
    // keep-alive at second 30, the reminder at its minute, and the limit checks in the order the
    // seconds passed (so the warning shown last is the one that came due last).
    void catch_up_does_every_seconds_work_data() {
        QTest::addColumn<int>("lateMs");
        QTest::addColumn<int>("bursts");
        QTest::addColumn<QString>("reminder");
        QTest::addColumn<QString>("warning");
        const QString perConnection = S("Connection time exceeded the time limit of 0 hours and 1 minutes!");
        const QString monthly =
            S("Connection time exceeded the monthly time limite of 0 hours and 1 minutes!");
        QTest::newRow("to 0:0:29, nothing due") << 29000 << 0 << QString() << QString();
        QTest::newRow("across second 30") << 31000 << 1 << QString() << monthly;
        QTest::newRow("across the minute and both limits") << 75000 << 1 << S("0 : 1 : 0") << perConnection;
    }
    void catch_up_does_every_seconds_work() {
        QFETCH(int, lateMs);
        QFETCH(int, bursts);
        QFETCH(QString, reminder);
        QFETCH(QString, warning);
        Seams seams;
        auto rasOwned = std::make_unique<FakeRas>();
        auto icmpOwned = std::make_unique<FakeIcmpEcho>();
        FakeRas* ras = rasOwned.get();
        FakeIcmpEcho* icmp = icmpOwned.get();
        seams.ras = std::move(rasOwned);
        seams.icmp = std::move(icmpOwned);
        TestProgram t(std::move(seams));
        Program& p = *t;
        Windows& w = t.ui();
        p.formRAS();
        w.frmStart();
        Settings& st = p.settings;
        st.gProfiles.addProfile(S("Home"), S("u"), S("p"), QString());
        st.gDefaultProfile = S("Home");
        st.gConnectDefault = kTrue;
        st.gKeepAlive = kTrue;
        st.gReminderOn = kTrue;
        st.gReminderInterval = 1;
        st.gReminderInMinutes = kTrue;
        st.gWarnTimePC = kTrue;
        st.gWarnTimePCHours = S("0");
        st.gWarnTimePCMinutes = 1;
        st.gWarnTimePM = kTrue;
        st.gWarnTimePMHours = S("0");
        st.gWarnTimePMMinutes = 1;
        ctl<QPushButton>(w.frmStart(), "cmdConnectDefault")->click();
        ras->connected = true;
        ras->status(S("Connected"));
        // Earlier connections this month: the monthly limit comes due at 0 : 0 : 31, the
        // per-connection one at 0 : 1 : 1.
        p.session.gMonthSecondsBefore = 30;

        t.clock->advance(lateMs);
        SessionTimer::timer_Timer(p);

        QCOMPARE(p.session.elapsedSeconds(), lateMs / 1000);
        QCOMPARE(icmp->bursts.size(), bursts);
        QCOMPARE(w.frmReminder_loaded() && w.frmReminder().isVisible(), !reminder.isEmpty());
        if (!reminder.isEmpty())
            QCOMPARE(ctl<QLineEdit>(w.frmReminder(), "textReminderTime")->text(), reminder);
        QCOMPARE(w.frmWarn_loaded() && w.frmWarn().isVisible(), !warning.isEmpty());
        if (!warning.isEmpty())
            QCOMPARE(ctl<QLabel>(w.frmWarn(), "labelWarn")->text(), warning);
    }

    void month_record_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("secondsBefore");
        QTest::addColumn<int>("session");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file") << QByteArray() << 0 << 75 << QByteArray(" 75 \r\n");
        QTest::newRow("three lines") << QByteArray("100\r\n200\r\n 300 \r\n") << 600 << 50
                                     << QByteArray("100\r\n200\r\n 300 \r\n 50 \r\n");
        QTest::newRow("odd lines count 0 and stay") << QByteArray("100\n12abc\n\n-5\r\n7") << 107 << 5
                                                    << QByteArray("100\r\n12abc\r\n\r\n-5\r\n7\r\n 5 \r\n");
        QTest::newRow("sum beyond 32 bits") << QByteArray("2000000000\r\n2000000000\r\n") << 2147483647 << 1
                                            << QByteArray("2000000000\r\n2000000000\r\n 1 \r\n");
    }
    void month_record() {
        QFETCH(QByteArray, before);
        QFETCH(int, secondsBefore);
        QFETCH(int, session);
        QFETCH(QByteArray, after);
        Rig r;
        if (!before.isNull()) {
            QFile f(r.t->dataPath(S("20266.txt")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        r.connect();
        QCOMPARE(r.prog().session.gMonthSecondsBefore, secondsBefore);
        r.tick(session);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.prog().session.gSessionSeconds, session);
        QCOMPARE(r.t->readDataFile(S("20266.txt")), after);
        QVERIFY(r.boxes().shown.isEmpty());
    }

    // A session across the end of a month is recorded in the month it began in.
    void session_across_month_end() {
        Rig r;
        r.t->clock->setNow(QDateTime(QDate(2026, 6, 30), QTime(23, 59, 30)));
        r.t->writeDataFile(S("20266.txt"), {S("10")});
        r.t->writeDataFile(S("20267.txt"), {S("20")});
        r.connect();
        r.tick(60);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray("10\r\n 60 \r\n"));
        QCOMPARE(r.t->readDataFile(S("20267.txt")), QByteArray("20\r\n"));
        // The next session, in July, loads July's record.
        r.connect();
        QCOMPARE(r.prog().session.gMonthSecondsBefore, 20);
    }

    // Two sessions ended without a reload in between both stay in the record.
    void second_session_without_reload() {
        Rig r;
        r.connect();
        r.tick(10);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        DialFlows::startDial(r.prog(), DialCaller::Redial, S("Home"), {}, {}, {});
        r.ras->connected = true;
        r.ras->status(S("Connected"));
        r.tick(5);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray(" 10 \r\n 5 \r\n"));
    }

    void unreadable_month_file() {
        Rig r;
        QVERIFY(QDir(r.t->dir.path()).mkdir(S("20266.txt")));
        r.connect();
        r.tick(5);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.boxes().shown.size(), 1);
        QCOMPARE(r.boxes().shown[0].title, S("Monthly Record"));
        QVERIFY(r.boxes().shown[0].text.contains(S("could not read")));
        QVERIFY(QFileInfo(r.t->dataPath(S("20266.txt"))).isDir());
        QCOMPARE(r.lines(), QStringList{S("Hang up on Home")});
        QVERIFY(r.idleButtons());
    }

    void unwritable_month_file() {
        Rig r;
        r.connect();
        r.tick(5);
        QVERIFY(QDir(r.t->dir.path()).mkdir(S("20266.txt")));
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.boxes().shown.size(), 1);
        QVERIFY(r.boxes().shown[0].text.contains(S("could not write")));
        QVERIFY(r.boxes().shown[0].text.contains(S("5 seconds")));
        QCOMPARE(r.prog().dial.gConnected, false);
        QVERIFY(!r.prog().timer.isActive());
        QVERIFY(r.idleButtons());
    }

    void wall_clock_set_back_counts_nothing_negative() {
        Rig r;
        r.connect();
        r.tick(3);
        r.t->clock->setNow(r.t->clock->now().addSecs(-3600));
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.prog().session.gSessionSeconds, 0);
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray(" 0 \r\n"));
    }
};

QTEST_MAIN(tst_session)
#include "tst_session.moc"
