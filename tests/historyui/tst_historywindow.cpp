// The History window as the user reaches it: from the main console's button and the tray menu, with
// Qt Charts loaded only then; it shows the chosen month's sessions, narrows them to a profile, and
// exports what it shows.
#include "console/Windows.h"
#include "console/frmStart.h"
#include "history/Journal.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

bool chartsMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
}

void addSession(Journal& j, const QDateTime& start, qint64 seconds, const QString& profile) {
    History::Session s;
    s.profile = profile;
    s.startUtc = start.toSecsSinceEpoch();
    s.startOffset = start.offsetFromUtc();
    const qint64 id = j.beginSession(s, {}, {}, -1);
    QVERIFY(
        j.endSession(id, s.startUtc + seconds, s.startOffset, seconds, seconds * 10, History::Ended::HungUp));
}

} // namespace

class tst_historywindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("MODEMTALLY_MODULE_DIR", MT_MODULE_DIR); }

    void opened_from_the_console_and_the_tray() {
        TestProgram t; // the fake clock's today: 2026-06-15
        {
            Journal j(Journal::fileIn(t.dir.path()));
            QVERIFY(j.open());
            QVERIFY(j.importMonthFiles(t.dir.path()) == 0);
            addSession(j, QDateTime(QDate(2026, 5, 20), QTime(9, 0)), 600, QStringLiteral("Office"));
            addSession(j, QDateTime(QDate(2026, 6, 1), QTime(8, 0)), 3600, QStringLiteral("Home"));
            addSession(j, QDateTime(QDate(2026, 6, 14), QTime(20, 0)), 1800, QStringLiteral("Office"));
            addSession(j, QDateTime(QDate(2026, 6, 15), QTime(7, 30)), 120, QStringLiteral("Home"));
        }
        frmStart& start = t.ui().frmStart();
        QVERIFY(!chartsMapped());
        ctl<QPushButton>(start, "cmdHistory")->click();
        QVERIFY2(t.boxes->shown.isEmpty(), qPrintable(t.boxes->texts().join(QLatin1Char('\n'))));
        QWidget* w = t.ui().historyWindow();
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("frmHistory"));
        QVERIFY(w->isVisible());
        QVERIFY(chartsMapped());

        auto* table = ctl<QTableWidget>(*w, "tableSessions");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(ctl<QLabel>(*w, "labelSummary")->text(),
                 QStringLiteral("June 2026: 3 session(s), 1:32:00 online, cost 5.52"));
        auto* profile = ctl<QComboBox>(*w, "cboProfile");
        profile->setCurrentIndex(profile->findText(QStringLiteral("Office")));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("0:30:00"));
        // The table's period: every month shown, here with May's session of Office.
        ctl<QComboBox>(*w, "cboPeriod")->setCurrentIndex(1);
        QCOMPARE(table->rowCount(), 2);

        const QString csv = t.dataPath(QStringLiteral("export.csv"));
        bool exported = false;
        QVERIFY(QMetaObject::invokeMethod(w, "exportTo", Q_RETURN_ARG(bool, exported), Q_ARG(QString, csv),
                                          Q_ARG(QString, QStringLiteral("csv"))));
        QVERIFY(exported);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // the header, two sessions, and the end of the last line
        QVERIFY(lines[1].contains(",Office,"));

        // The tray menu's item brings the same window back.
        w->hide();
        start.trayMenu()->findChild<QAction*>(QStringLiteral("mHistory"))->trigger();
        QCOMPARE(t.ui().historyWindow(), w);
        QVERIFY(w->isVisible());
    }

    // A profile with a plan: its current cycle's use, allowance, projection and days left, and its
    // use per billing cycle (not per month) in the chart.
    void plan_cycles_shown() {
        TestProgram t; // today: 2026-06-15, 12:00
        Plan plan;
        plan.dataAllowanceBytes = 100 * Plan::kBytesPerMB;
        plan.cycleFirstDay = 10;
        plan.pricePerExtraMB = Money::fromUnits(1000); // 0.10 a megabyte past the allowance
        QVERIFY(t->plans.setPlan(QStringLiteral("Home"), plan));
        {
            Journal j(Journal::fileIn(t.dir.path()));
            QVERIFY(j.open());
            for (const auto& [day, mb] : {std::pair{QDate(2026, 6, 12), 30}, std::pair{QDate(2026, 6, 9), 50},
                                          std::pair{QDate(2026, 5, 10), 20}}) {
                History::Session s;
                s.profile = QStringLiteral("Home");
                s.startUtc = QDateTime(day, QTime(10, 0)).toSecsSinceEpoch();
                s.startOffset = 7200;
                const qint64 id = j.beginSession(s, {}, {}, -1);
                QVERIFY(j.setBytes(id, quint64(mb) * 1000000, 0));
                QVERIFY(j.endSession(id, s.startUtc + 60, 7200, 60, 0, History::Ended::HungUp));
            }
        }
        t.ui().showHistory();
        QWidget* w = t.ui().historyWindow();
        QVERIFY(w);
        auto* plans = ctl<QTableWidget>(*w, "tablePlans");
        QCOMPARE(plans->rowCount(), 1);
        QStringList row;
        for (int c = 0; c < plans->columnCount(); ++c)
            row << plans->item(0, c)->text();
        // 30 MB in 5.5 of the cycle's 30 days: 163.6 MB by its end, 64 started megabytes past the
        // allowance at 0.10.
        QCOMPARE(row, (QStringList{QStringLiteral("Home"), QStringLiteral("10 Jun - 9 Jul 2026"),
                                   QStringLiteral("30.0 MB"), QStringLiteral("100.0 MB"),
                                   QStringLiteral("163.6 MB"), QStringLiteral("25"),
                                   QStringLiteral("0 (6.4 projected)")}));
        // The chart, through its scene (the test links no Qt Charts, which the window's module brings).
        QString title;
        for (QGraphicsItem* item : ctl<QGraphicsView>(*w, "chartCycles")->scene()->items()) {
            if (QGraphicsObject* o = item->toGraphicsObject(); o && o->property("title").isValid())
                title = o->property("title").toString();
        }
        QCOMPARE(title, QStringLiteral("Home: data per billing cycle (allowance 100.0 MB)"));
    }
};

QTEST_MAIN(tst_historywindow)
#include "tst_historywindow.moc"
