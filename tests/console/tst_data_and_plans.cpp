// The windows' side of data and plans: the session's bytes beside the clock, the plan window from
// the Connection tab, and a plan's warnings in their own window and the desktop's notifications.
#include "config/frmPlan.h"
#include "dialing/DialRig.h"
#include "monitor/frmPlanWarn.h"
#include "monitor/frmTimerConsole.h"
#include "support/FakeNotifier.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

namespace {
struct PlanRig : Rig {
    FakeNotifier* notes;
    explicit PlanRig(Seams seams = withNotifier()) : Rig(std::move(seams)) {
        notes = s_notes;
        prog().listedEntries = {QStringLiteral("Home"), QStringLiteral("Office")};
        prog().plans.setFile(t->dir.filePath(QStringLiteral("modemtally.conf")));
    }
    static inline FakeNotifier* s_notes = nullptr;
    static Seams withNotifier() {
        Seams s;
        auto n = std::make_unique<FakeNotifier>();
        s_notes = n.get();
        s.notifier = std::move(n);
        return s;
    }
    QString data() { return ctl<QLabel>(start(), "labelData")->text(); }
};
} // namespace

class tst_data_and_plans : public QObject {
    Q_OBJECT
private slots:
    void bytes_beside_the_clock_while_connected() {
        PlanRig r;
        r.ras->counts = ByteCounts{1000000, 0};
        r.connect();
        r.ui().frmTimerConsole().show();
        QCOMPARE(r.data(), QStringLiteral("0 B, 0 B/s"));
        for (int s = 1; s <= 10; ++s) {
            r.ras->counts = ByteCounts{1000000 + quint64(s) * 1200000, quint64(s) * 40000};
            r.tick();
        }
        QCOMPARE(r.data(), QStringLiteral("12.4 MB, 1.24 MB/s"));
        QCOMPARE(ctl<QLabel>(r.start(), "labelData")->toolTip(),
                 QStringLiteral("Received 12.0 MB, sent 400 kB"));
        QCOMPARE(ctl<QLabel>(r.ui().frmTimerConsole(), "labelTimerData")->text(), r.data());
        // The console's own texts beside it stay as they are.
        QCOMPARE(ctl<QLabel>(r.start(), "Label2")->text(), QStringLiteral("Time Elapsed :"));
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.data(), QString());
        QCOMPARE(ctl<QLabel>(r.ui().frmTimerConsole(), "labelTimerData")->text(), QString());
    }

    void plan_window_saves_to_the_ini_file() {
        PlanRig r;
        frmConfig& config = r.ui().frmConfig();
        auto* list = ctl<QListWidget>(config, "listProfiles");
        list->clear();
        list->addItems(r.prog().listedEntries);
        list->setCurrentRow(1);
        ctl<QPushButton>(config, "cmdPlan")->click();
        frmPlan& w = r.ui().frmPlan();
        QVERIFY(w.isVisible());
        QCOMPARE(ctl<QComboBox>(w, "comboPlanProfile")->currentText(), QStringLiteral("Office"));
        QCOMPARE(ctl<QLineEdit>(w, "textThresholds")->text(), QStringLiteral("80, 100"));
        ctl<QDoubleSpinBox>(w, "spinDataAllowance")->setValue(5000);
        ctl<QSpinBox>(w, "spinCycleDay")->setValue(31);
        ctl<QLineEdit>(w, "textExtraPrice")->setText(QStringLiteral("0.02"));
        ctl<QLineEdit>(w, "textThresholds")->setText(QStringLiteral("90, 75"));
        QVERIFY(w.cmdPlanSave_Click());
        QCOMPARE(ctl<QLineEdit>(w, "textThresholds")->text(), QStringLiteral("75, 90"));
        ctl<QLineEdit>(w, "textExtraPrice")->setText(QStringLiteral("cheap"));
        QVERIFY(!w.cmdPlanSave_Click());
        QVERIFY(ctl<QLabel>(w, "labelPlanError")->isVisibleTo(&w));

        QSettings ini(r.prog().plans.file(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("Plans/Office/DataAllowanceMB")).toDouble(), 5000.0);
        QCOMPARE(ini.value(QStringLiteral("Plans/Office/CycleFirstDay")).toInt(), 31);
        QCOMPARE(ini.value(QStringLiteral("Plans/Office/PricePerExtraMB")).toString(),
                 QStringLiteral("0.02"));
        PlanBook again;
        again.setFile(r.prog().plans.file());
        QCOMPARE(again.plan(QStringLiteral("Office"))->thresholds, (QList<int>{75, 90}));
        QVERIFY(!again.plan(QStringLiteral("Home")));
    }

    // A session past 80% and then 100% of a 10 MB allowance: each warning once, in the plan's window
    // and as a notification; the configured limit warnings are not touched.
    void thresholds_warn_in_a_window_and_a_notification() {
        PlanRig r;
        // Late in the June cycle, so the pace of 8 MB stays inside the allowance.
        r.t->clock->setNow(QDateTime(QDate(2026, 6, 28), QTime(12, 0)));
        Plan plan;
        plan.dataAllowanceBytes = 10 * Plan::kBytesPerMB;
        QVERIFY(r.prog().plans.setPlan(QStringLiteral("Home"), plan));
        r.ras->counts = ByteCounts{0, 0};
        r.connect();
        r.tick();
        r.prog().plans.setUsedBefore(QStringLiteral("Home"), QDate(2026, 6, 1),
                                     PlanUsage{7 * Plan::kBytesPerMB, 0});
        r.ras->counts = ByteCounts{1000000, 100000};
        r.tick(3);
        QCOMPARE(r.notes->sent.size(), 1);
        QVERIFY(r.ui().frmPlanWarn_loaded() && r.ui().frmPlanWarn().isVisible());
        const QString first = ctl<QLabel>(r.ui().frmPlanWarn(), "labelPlanWarn")->text();
        QVERIFY2(
            first.startsWith(QStringLiteral("Home has used 80% of this cycle's data allowance: 8.10 MB of "
                                            "10.0 MB.")),
            qPrintable(first));
        QCOMPARE(r.notes->sent.value(0), QStringLiteral("Plan Allowance Warning|") + first);
        r.ras->counts = ByteCounts{3000000, 100000};
        r.tick(3);
        QCOMPARE(r.notes->sent.size(), 2);
        QVERIFY(r.notes->sent.value(1).contains(QStringLiteral("has used 100%")));
        QVERIFY(!r.ui().frmWarn_loaded());
    }
};

QTEST_MAIN(tst_data_and_plans)
#include "tst_data_and_plans.moc"
