// Bytes beside time: the session's counters, the billing cycles of a plan, its projection and its
// warnings, in the model alone (no widget library linked).
#include "core/DialFlows.h"
#include "core/HangUp.h"
#include "core/PlanBook.h"
#include "core/Plans.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "support/FakeNotifier.h"
#include "support/FakeRas.h"
#include "support/Fakes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

namespace {
QDateTime at(int y, int m, int d, int h = 12) {
    return QDateTime(QDate(y, m, d), QTime(h, 0));
}
} // namespace

class tst_datausage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The cycles are local days: a zone with a daylight-saving change in spring.
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void cycle_boundaries_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("next");
        QTest::newRow("31st, before February's last day")
            << QDate(2026, 2, 15) << 31 << QDate(2026, 1, 31) << QDate(2026, 2, 28);
        QTest::newRow("31st, on February's last day")
            << QDate(2026, 2, 28) << 31 << QDate(2026, 2, 28) << QDate(2026, 3, 31);
        QTest::newRow("31st in a leap year, 28 Feb")
            << QDate(2028, 2, 28) << 31 << QDate(2028, 1, 31) << QDate(2028, 2, 29);
        QTest::newRow("31st in a leap year, 29 Feb")
            << QDate(2028, 2, 29) << 31 << QDate(2028, 2, 29) << QDate(2028, 3, 31);
        QTest::newRow("30th into April")
            << QDate(2026, 4, 30) << 31 << QDate(2026, 4, 30) << QDate(2026, 5, 31);
        QTest::newRow("15th across the year")
            << QDate(2027, 1, 5) << 15 << QDate(2026, 12, 15) << QDate(2027, 1, 15);
        QTest::newRow("1st, last day of the year")
            << QDate(2026, 12, 31) << 1 << QDate(2026, 12, 1) << QDate(2027, 1, 1);
    }
    void cycle_boundaries() {
        QFETCH(QDate, day);
        QFETCH(int, firstDay);
        QFETCH(QDate, first);
        QFETCH(QDate, next);
        const PlanMath::Cycle c = PlanMath::cycleOf(day, firstDay);
        QCOMPARE(c.first, first);
        QCOMPARE(c.next, next);
        QVERIFY(c.first <= day && day < c.next);
    }

    // A cycle with the spring change is an hour short; the pace counts real time, so half the
    // allowance used at the cycle's real middle projects exactly the allowance.
    void projection_data() {
        QTest::addColumn<double>("used");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<double>("atEnd");
        QTest::addColumn<qint64>("runsOutAfterMs"); // from the cycle's start; -1: lasts the cycle
        const qint64 day = 86400000;
        const qint64 length = 31 * day - 3600000; // 15 March to 15 April 2026 in Berlin
        QTest::newRow("nothing used") << 0.0 << 10 * day << 0.0 << qint64(-1);
        QTest::newRow("on pace") << 500.0 << length / 2 << 1000.0 << qint64(-1);
        QTest::newRow("twice the pace") << 500.0 << length / 4 << 2000.0 << length / 2;
        QTest::newRow("used up already") << 1200.0 << 3 * day << 1200.0 * length / (3 * day) << 3 * day;
    }
    void projection() {
        QFETCH(double, used);
        QFETCH(qint64, elapsedMs);
        QFETCH(double, atEnd);
        QFETCH(qint64, runsOutAfterMs);
        const PlanMath::Cycle c = PlanMath::cycleOf(QDate(2026, 3, 20), 15);
        const qint64 begins = c.begins().toMSecsSinceEpoch();
        const qint64 ends = c.ends().toMSecsSinceEpoch();
        QCOMPARE(ends - begins, 31 * 86400000LL - 3600000);
        const PlanMath::Projection p = PlanMath::project(used, 1000.0, begins, ends, begins + elapsedMs);
        QVERIFY(qAbs(p.atCycleEnd - atEnd) < 1e-6);
        if (runsOutAfterMs < 0)
            QVERIFY(!p.runsOut.isValid());
        else
            QCOMPARE(p.runsOut.toMSecsSinceEpoch(), begins + runsOutAfterMs);
    }

    void extra_cost_and_thresholds() {
        Plan plan;
        plan.dataAllowanceBytes = 1000 * Plan::kBytesPerMB;
        plan.pricePerExtraMB = Money::fromText(QStringLiteral("0.05"));
        QCOMPARE(PlanMath::extraCost(plan.dataAllowanceBytes, plan), Money());
        QCOMPARE(PlanMath::extraCost(plan.dataAllowanceBytes + 1, plan).toText(), QStringLiteral("0.05"));
        QCOMPARE(PlanMath::extraCost(plan.dataAllowanceBytes + 2 * Plan::kBytesPerMB, plan).toText(),
                 QStringLiteral("0.1"));
        QList<int> t;
        QVERIFY(PlanMath::parseThresholds(QStringLiteral(" 100, 50%,80,50 "), &t));
        QCOMPARE(t, (QList<int>{50, 80, 100}));
        QVERIFY(!PlanMath::parseThresholds(QStringLiteral("80, x"), &t));
        QVERIFY(!PlanMath::parseThresholds(QStringLiteral("0"), &t));
        QCOMPARE(t, (QList<int>{50, 80, 100}));
    }

    // The counters of a session: counted from the line's first reading, through a counter that went
    // back and a gap with no reading; the pace over the last seconds.
    void session_counts_bytes() {
        QTemporaryDir dir;
        Seams seams;
        auto ras = std::make_unique<FakeRas>();
        auto clock = std::make_unique<FakeClock>();
        FakeRas& r = *ras;
        FakeClock& c = *clock;
        seams.ras = std::move(ras);
        seams.clock = std::move(clock);
        seams.boxes = std::make_unique<FakeMessageBoxes>();
        Program p(std::move(seams), dir.path());
        p.settings.gDefaultProfile = QStringLiteral("Office");
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
        QSignalSpy counted(&p.session, &SessionState::bytesCounted);
        const auto tick = [&](quint64 rx, quint64 tx) {
            r.counts = ByteCounts{rx, tx};
            c.advance(1000);
            SessionTimer::timer_Timer(p);
        };

        DialFlows::connectButton(p);
        r.counts = ByteCounts{50000, 7000}; // what the interface carried before the session
        r.lineUp();
        QCOMPARE(counted.last(), (QList<QVariant>{quint64(0), quint64(0), quint64(0)}));
        for (int s = 1; s <= 10; ++s)
            tick(50000 + s * 1000, 7000 + s * 100);
        QCOMPARE(p.session.gBytesReceived, quint64(10000));
        QCOMPARE(p.session.gBytesSent, quint64(1000));
        QCOMPARE(p.session.gBytesPerSecond, quint64(1100));
        tick(500, 100); // the interface restarted: counts on from its new value
        tick(1500, 200);
        QCOMPARE(p.session.gBytesReceived, quint64(11000));
        QCOMPARE(p.session.gBytesSent, quint64(1100));
        r.counts.reset();
        c.advance(1000);
        SessionTimer::timer_Timer(p);
        QCOMPARE(p.session.gBytesPerSecond, quint64(0));
        tick(900000, 900000); // another device's counters after the gap: only a base
        tick(901000, 900000);
        QCOMPARE(p.session.gBytesReceived, quint64(12000));
        QCOMPARE(counted.last().value(0).toULongLong(), quint64(12000));

        // A new session starts from zero.
        HangUp::hangUp(p, HangupEntry::Button);
        DialFlows::connectButton(p);
        r.lineUp();
        QCOMPARE(p.session.gBytesReceived, quint64(0));
    }

    // Each threshold once per cycle (also after a new start), the lower ones passed over when a
    // higher one is reached at once, the projection once, and all of them again in the next cycle.
    void warnings_once_per_cycle() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("modemtally.conf"));
        auto book = std::make_unique<PlanBook>();
        book->setFile(ini);
        Plan plan;
        plan.dataAllowanceBytes = 1000 * Plan::kBytesPerMB;
        plan.timeAllowanceSeconds = 10 * 3600;
        plan.cycleFirstDay = 31;
        plan.thresholds = {50, 80, 100};
        QVERIFY(book->setPlan(QStringLiteral("Sat/Link"), plan));
        const QString profile = QStringLiteral("Sat/Link");
        const auto warned = [&](PlanBook& b, const QDateTime& now, quint64 mb, qint64 seconds = 0) {
            QSignalSpy spy(&b, &PlanBook::planWarningDue);
            b.check(profile, now.toMSecsSinceEpoch(), PlanUsage{mb * Plan::kBytesPerMB, seconds});
            QStringList keys;
            for (const auto& args : spy) {
                const auto w = args.value(0).value<PlanWarning>();
                keys << (w.kind == PlanWarning::Kind::Projection ? QStringLiteral("p") : QString()) +
                            (w.data ? QStringLiteral("d") : QStringLiteral("t")) +
                            (w.percent ? QString::number(w.percent) : QString());
            }
            return keys;
        };

        // The cycle from 28 Feb 2026 (743 hours: the clocks go forward on 29 March). Nothing is
        // checked until the journal tells the cycle's earlier use.
        QSignalSpy wanted(book.get(), &PlanBook::usageWanted);
        QCOMPARE(warned(*book, at(2026, 3, 20), 900), QStringList());
        QCOMPARE(wanted.size(), 1);
        QCOMPARE(wanted[0].value(1).toDate(), QDate(2026, 2, 28));
        QCOMPARE(wanted[0].value(2).toDate(), QDate(2026, 3, 31));
        book->setUsedBefore(profile, QDate(2026, 2, 27), PlanUsage{}); // another cycle: ignored
        QCOMPARE(warned(*book, at(2026, 3, 20), 900), QStringList());
        book->setUsedBefore(profile, QDate(2026, 2, 28), PlanUsage{300 * Plan::kBytesPerMB, 0});
        QCOMPARE(warned(*book, at(2026, 3, 20), 0), QStringList());
        QCOMPARE(warned(*book, at(2026, 3, 20), 250), QStringList{QStringLiteral("d50")});
        QCOMPARE(warned(*book, at(2026, 3, 20, 13), 260), QStringList());
        QCOMPARE(wanted.size(), 1);
        // 700 MB in 504 of 743 hours: 1032 MB by the end, the allowance gone after 720 hours.
        {
            QSignalSpy spy(book.get(), &PlanBook::planWarningDue);
            book->check(profile, at(2026, 3, 21, 0).toMSecsSinceEpoch(),
                        PlanUsage{400 * Plan::kBytesPerMB, 0});
            QCOMPARE(spy.size(), 1);
            const auto w = spy[0].value(0).value<PlanWarning>();
            QCOMPARE(w.kind, PlanWarning::Kind::Projection);
            QCOMPARE(w.runsOut, QDate(2026, 3, 30));
            QVERIFY(w.message.contains(QLocale().toString(QDate(2026, 3, 30), QLocale::LongFormat)));
            QCOMPARE(warned(*book, at(2026, 3, 21, 1), 401), QStringList());
        }
        // A new start, same cycle: what was warned of stays warned; 100% passes 80% over.
        book = std::make_unique<PlanBook>();
        book->setFile(ini);
        warned(*book, at(2026, 3, 25), 0);
        book->setUsedBefore(profile, QDate(2026, 2, 28), PlanUsage{590 * Plan::kBytesPerMB, 9 * 3600});
        QCOMPARE(warned(*book, at(2026, 3, 25), 420, 3600),
                 (QStringList{QStringLiteral("d100"), QStringLiteral("t100")}));
        QCOMPARE(warned(*book, at(2026, 3, 30, 23), 900, 7200), QStringList());
        // The session runs on into the next cycle (31 March): only its use from then on counts.
        QCOMPARE(warned(*book, at(2026, 3, 31, 1), 1420, 7200), QStringList());
        QCOMPARE(warned(*book, at(2026, 3, 31, 2), 1420 + 500, 7200), QStringList{QStringLiteral("d50")});
    }
};

QTEST_GUILESS_MAIN(tst_datausage)
#include "tst_datausage.moc"
