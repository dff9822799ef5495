// A month of sessions in accelerated time: the month record holds exactly the sessions driven, with
// their durations, and nothing else happened that the user would see as a surprise.
#include "SoakDriver.h"
#include "core/MonthFile.h"
#include "core/SessionTimer.h"

#include <QTest>

class tst_soak : public QObject {
    Q_OBJECT
private slots:
    void a_month_of_sessions() {
        SoakDriver d;
        const int cycles = 300;
        d.run(cycles);
        QVERIFY2(d.failure.isEmpty(), qPrintable(d.failure));
        qInfo("%d sessions (%d redials, %d drops, %d taken up), %lld s in all, %d warnings, last day %s",
              d.sessions, d.redials, d.drops, d.adoptions, d.expectedSeconds, d.warningsShown,
              qPrintable(d.clock->now().date().toString(Qt::ISODate)));
        QCOMPARE(d.sessions, cycles);
        // Every kind of cycle happened, and often.
        QCOMPARE(d.adoptions, cycles / 10);
        QCOMPARE(d.drops, cycles / 10);
        QVERIFY(d.redials >= cycles / 2);
        QVERIFY(d.warningsExpected >= cycles / 4);
        // Still June: one month file.
        QCOMPARE(d.clock->now().date().month(), 6);

        QStringList lines;
        QCOMPARE(MonthFile::read(d.p().dataPath(QStringLiteral("20266.txt")), &lines, nullptr),
                 MonthFile::ReadResult::Read);
        QCOMPARE(lines, d.expectedLines);
        QCOMPARE(qint64(MonthFile::totalSeconds(lines)), d.expectedSeconds);
        // The record loaded for the last session held every session before it.
        QCOMPARE(qint64(d.p().session.gMonthSecondsBefore) + d.p().session.gSessionSeconds,
                 d.expectedSeconds);

        // Boxes: one per connection taken up from another program, nothing else.
        QCOMPARE(d.boxes->shown.size(), d.adoptions);
        for (const Box& b : d.boxes->shown)
            QCOMPARE(b.title, QStringLiteral("Active Connection Detected!"));
        QCOMPARE(d.warningsShown, d.warningsExpected);
    }
};

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
