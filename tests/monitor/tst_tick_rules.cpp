// Rules of the session tick over whole sessions: the keep-alive burst's second, the limit warnings of a
// later session, and the month's record as the monthly limit sees it.
#include "core/ConnectActions.h"
#include "dialing/DialRig.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// A program with the recording keep-alive, its main console loaded and one default profile that
// dials without asking. Windows are reached by their names.
struct Line : EchoRig {
    // The shown top-level window of that name, or null.
    static QWidget* window(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        }
        return nullptr;
    }
    template <typename T> T* control(const char* windowName, const char* name) {
        // The main console is checked whether or not it is on screen.
        QWidget* w =
            QLatin1String(windowName) == QLatin1String("frmStart") ? &ui().frmStart() : window(windowName);
        return w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
    }
    void click(const char* windowName, const char* name) {
        auto* b = control<QPushButton>(windowName, name);
        QVERIFY2(b && b->isEnabled(), name);
        b->click();
    }

    // Connect on the main console, and the line comes up.
    void connect() {
        click("frmStart", "cmdConnectDefault");
        ras->connected = true;
        ras->status(S("Connected"));
    }
    // Another program's connection, which the next tick adopts.
    void connectElsewhere() {
        ras->activeConnection = S("Elsewhere");
        ras->connected = true;
        tick();
        QCOMPARE(prog().dial.gConnected, true);
    }
    void hangUp() {
        click("frmStart", "cmdHangup");
        ras->activeConnection.clear();
    }
    void tick(int n = 1) { tickSeconds(prog(), *t->clock, n); }
    QString clock() { return control<QLabel>("frmStart", "labelTime")->text(); }
    // The text of the warning on screen, or "" when none is.
    QString warning() {
        auto* label = control<QLabel>("frmWarn", "labelWarn");
        return label ? label->text() : QString();
    }
    void closeWarning() {
        click("frmWarn", "cmdWarnClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(warning(), QString());
    }
    // Ticks until a warning is on screen (at most `limit` seconds); the clock then.
    QString tickUntilWarned(int limit) {
        for (int i = 0; i < limit && warning().isEmpty(); ++i)
            tick();
        return clock();
    }
};

enum class Check { TimePC, TimePM, CostPC, CostPM, FreeTime };

} // namespace

Q_DECLARE_METATYPE(Check)

class tst_tick_rules : public QObject {
    Q_OBJECT
private slots:
    // One burst in each connected minute, started at its second 30, whether the burst ends at once, takes
    // the usual quarter minute, ends on the minute's last second or outlasts the minute (then the next
    // minute's second 30 finds it running and starts none). A burst that has ended never starts another
    // in the rest of its minute.
    void keep_alive_once_a_minute_at_second_30_data() {
        QTest::addColumn<bool>("keepAlive");
        QTest::addColumn<int>("burstSeconds");
        QTest::addColumn<QStringList>("startedAt");
        const QStringList everyMinute{S("0 : 0 : 30"), S("0 : 1 : 30"), S("0 : 2 : 30"), S("0 : 3 : 30")};
        QTest::newRow("ends within a second") << true << 1 << everyMinute;
        QTest::newRow("a silent host, 14 s") << true << 14 << everyMinute;
        QTest::newRow("ends on second 59") << true << 29 << everyMinute;
        QTest::newRow("outlasts the minute") << true << 70 << QStringList{S("0 : 0 : 30"), S("0 : 2 : 30")};
        QTest::newRow("keep-alive off") << false << 1 << QStringList();
    }
    void keep_alive_once_a_minute_at_second_30() {
        QFETCH(bool, keepAlive);
        QFETCH(int, burstSeconds);
        QFETCH(QStringList, startedAt);
        Line line;
        line.prog().settings.gKeepAlive = yesNo(keepAlive);
        line.connect();
        QStringList started;
        int running = 0;
        auto tickAndWatch = [&](int seconds) {
            for (int i = 0; i < seconds; ++i) {
                if (line.icmp().running && ++running == burstSeconds) {
                    line.icmp().finish();
                    running = 0;
                }
                const qsizetype before = line.icmp().bursts.size();
                line.tick();
                if (line.icmp().bursts.size() != before)
                    started << line.clock();
            }
        };
        tickAndWatch(4 * 60);
        QCOMPARE(started, startedAt);
        for (const QString& host : line.icmp().bursts)
            QCOMPARE(host, ConnectActions::keepAliveHost());
    }

    // A session that warned leaves no trace on the next one: each limit warns again in the next
    // session, whether that is dialed from the main console or another program's connection adopted.
    void a_later_session_warns_again_data() {
        QTest::addColumn<Check>("check");
        QTest::addColumn<bool>("adopted");
        QTest::addColumn<QString>("message");
        const struct {
            Check check;
            const char* name;
            const char* message;
        } checks[] = {
            {Check::TimePC, "time per connection",
             "Connection time exceeded the time limit of 0 hours and 1 minutes!"},
            {Check::TimePM, "time per month",
             "Connection time exceeded the monthly time limite of 0 hours and 1 minutes!"},
            {Check::CostPC, "cost per connection", "Connection cost exceeded the limit of $ 0.50."},
            {Check::CostPM, "cost per month", "Connection cost exceeded the monthly limit of $ 0.50."},
            {Check::FreeTime, "free time", "Connection time exceeded the free allocated time!"},
        };
        for (const auto& c : checks) {
            QTest::addRow("%s, dialed", c.name) << c.check << false << S(c.message);
            QTest::addRow("%s, adopted", c.name) << c.check << true << S(c.message);
        }
    }
    void a_later_session_warns_again() {
        QFETCH(Check, check);
        QFETCH(bool, adopted);
        QFETCH(QString, message);
        Line line;
        Settings& s = line.prog().settings;
        // Limits of a minute, or of 50 cents at a cent a second.
        s.gCostDollars = S("0");
        s.gCostCents = S("60");
        s.gCostPerMinute = kTrue;
        s.gUnlimitedTime = kFalse;
        switch (check) {
        case Check::TimePC:
            s.gWarnTimePC = kTrue;
            s.gWarnTimePCHours = S("0");
            s.gWarnTimePCMinutes = 1;
            break;
        case Check::TimePM:
            s.gWarnTimePM = kTrue;
            s.gWarnTimePMHours = S("0");
            s.gWarnTimePMMinutes = 1;
            break;
        case Check::CostPC:
            s.gWarnCostPC = kTrue;
            s.gWarnCostPCDollars = S("0");
            s.gWarnCostPCCents = 50;
            break;
        case Check::CostPM:
            s.gWarnCostPM = kTrue;
            s.gWarnCostPMDollars = S("0");
            s.gWarnCostPMCents = 50;
            break;
        case Check::FreeTime:
            s.gWarnFreeTime = kTrue;
            s.gFreeHours = S("0");
            s.gFreeMinutes = 1;
            break;
        }

        line.connect();
        line.tickUntilWarned(120);
        QCOMPARE(line.warning(), message);
        line.closeWarning();
        line.tick(5);
        QCOMPARE(line.warning(), QString());
        line.hangUp();
        QCOMPARE(line.prog().dial.gConnected, false);

        if (adopted)
            line.connectElsewhere();
        else
            line.connect();
        line.tickUntilWarned(120);
        QCOMPARE(line.warning(), message);
    }

    // Every line of the month's record counts towards the monthly limit, whichever digits it holds:
    // with a limit of 3 minutes the warning comes one second after the record and this session
    // together pass 180 seconds.
    void month_record_counts_every_digit_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("warnedAt");
        QTest::newRow("59") << QStringList{S("59")} << S("0 : 2 : 2");
        QTest::newRow("90") << QStringList{S("90")} << S("0 : 1 : 31");
        QTest::newRow(" 9 ") << QStringList{S(" 9 ")} << S("0 : 2 : 52");
        QTest::newRow("09") << QStringList{S("09")} << S("0 : 2 : 52");
        QTest::newRow("every digit") << QStringList{S(" 12 "), S("34"), S("56"), S("7"), S("8"), S(" 9 ")}
                                     << S("0 : 0 : 55");
        QTest::newRow("199 alone passes it") << QStringList{S("199")} << S("0 : 0 : 1");
    }
    void month_record_counts_every_digit() {
        QFETCH(QStringList, lines);
        QFETCH(QString, warnedAt);
        Line line;
        line.t->writeDataFile(SessionTimer::MonthFileName(line.t->clock->now().date()), lines);
        Settings& s = line.prog().settings;
        s.gWarnTimePM = kTrue;
        s.gWarnTimePMHours = S("0");
        s.gWarnTimePMMinutes = 3;
        line.connect();
        QCOMPARE(line.tickUntilWarned(200), warnedAt);
        QCOMPARE(line.warning(),
                 S("Connection time exceeded the monthly time limite of 0 hours and 3 minutes!"));
    }
};

QTEST_MAIN(tst_tick_rules)
#include "tst_tick_rules.moc"
