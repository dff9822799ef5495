// The whole program on the simulator's sample phone book: first run, a busy line redialed until it
// connects, the clock, the hang-up and the month file, and Exit while connected.
#include "DialRig.h"
#include "config/frmConfig.h"
#include "core/HangUp.h"
#include "core/SettingsFile.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "monitor/frmCost.h"
#include "platform/ras/sim/SimRasControl.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {
struct SimRig {
    SimRasControl* sim = nullptr;
    std::unique_ptr<TestProgram> t;

    SimRig() {
        QString error;
        std::unique_ptr<RasControl> ras = makeSimRasControl(SimOptions{}, &error);
        if (!ras)
            qFatal("simulator: %s", qPrintable(error));
        sim = static_cast<SimRasControl*>(ras.get());
        Seams seams;
        seams.ras = std::move(ras);
        t = std::make_unique<TestProgram>(std::move(seams));
    }
    Program& prog() { return *t->program; }
    Windows& ui() { return t->ui(); }
    frmStart& start() { return ui().frmStart(); }
    // A settings file with the given default profile dialed directly, redialing until connected.
    void writeSettings(const QString& defaultProfile) {
        Program& p = prog();
        // One profile per phone-book entry, so that start-up has nothing to reconcile.
        for (const SimEntry& e : sim->phoneBook().entries)
            p.settings.gProfiles.addProfile(e.name, S("user"), S("pw"), QString());
        p.settings.gDefaultProfile = defaultProfile;
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
        p.settings.gTrayOnConnect = kFalse;
        p.settings.gStayOnConnect = kTrue;
        p.settings.gShowCost = kTrue;
        p.settings.gCostPerMinute = kTrue;
        p.settings.gCostDollars = S("0");
        p.settings.gCostCents = S("10");
        QVERIFY(SettingsFile::write(p));
        p.settings = Settings();
    }
    void tick(int n = 1) { tickSeconds(prog(), *t->clock, n); }
    void redialTicks(int n) {
        for (int i = 0; i < n && prog().formRAS().timerredial.isActive(); ++i)
            prog().formRAS().timerredial_Timer();
    }
};
} // namespace

class tst_simulator_e2e : public QObject {
    Q_OBJECT
private slots:
    void first_run_lists_the_phone_book_and_save_shows_the_console() {
        SimRig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        w.startUp();
        QCOMPARE(r.t->boxes->shown.size(), 1);
        QCOMPARE(r.t->boxes->shown.first().title, S("Welcome to ModemTally"));
        QVERIFY(w.frmConfig().isVisible());
        QVERIFY(!ctl<QPushButton>(w.frmConfig(), "cmdCloseConfigurationConsole")->isEnabled());
        QVERIFY(!r.start().isVisible());
        const int entries = ctl<QListWidget>(w.frmConfig(), "listProfiles")->count();
        QVERIFY(entries >= 9);
        QCOMPARE(p.settings.gProfiles.size(), 4 * entries);
        QCOMPARE(p.settings.gProfiles.userName(S("Busy Line")), QString());
        QCOMPARE(r.start().statusLines(), QStringList({S("          Welcome to ModemTally!"),
                                                       S("The Best Dialup Networking Companion!")}));

        ctl<QPushButton>(w.frmConfig(), "cmdSave")->click();
        QVERIFY(QFileInfo::exists(r.t->dataPath(S("cc.txt"))));
        QVERIFY(r.start().isVisible());
        QVERIFY(!w.frmConfig().isVisible());
        QVERIFY(ctl<QPushButton>(w.frmConfig(), "cmdCloseConfigurationConsole")->isEnabled());
        QCOMPARE(p.settings.gFirstRun, S("false"));
    }

    void busy_line_redials_until_it_connects_then_hang_up_records_the_month() {
        SimRig r;
        r.writeSettings(S("Busy Line"));
        Program& p = r.prog();
        Windows& w = r.ui();
        w.startUp();
        QVERIFY(r.t->boxes->shown.isEmpty());
        QCOMPARE(ctl<QPushButton>(r.start(), "cmdConnectDefault")->text(), S("Connect to Busy Line"));
        QVERIFY(r.start().isVisible());

        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        QVERIFY(!ctl<QPushButton>(r.start(), "cmdConnectDefault")->isEnabled());
        QVERIFY(ctl<QPushButton>(r.start(), "cmdHangup")->isEnabled());
        for (int attempt = 1; attempt <= 2; ++attempt) {
            r.sim->advanceDial();
            QCOMPARE(r.start().statusLines().mid(r.start().statusLines().size() - 2),
                     QStringList({S("Connection fails... "), S("Redialing till connected")}));
            QVERIFY(p.formRAS().timerredial.isActive());
            r.tick(); // the session tick while waiting leaves the session alone
            QCOMPARE(p.dial.gDialing, true);
            r.redialTicks(6);
            QCOMPARE(r.sim->attempts(S("Busy Line")), attempt);
            r.redialTicks(1);
            QVERIFY(!p.formRAS().timerredial.isActive());
            QCOMPARE(r.sim->attempts(S("Busy Line")), attempt + 1);
        }
        r.sim->advanceDial();
        QCOMPARE(p.dial.gConnected, true);
        QCOMPARE(r.prog().status.last(), S("Connected"));
        QVERIFY(r.t->boxes->shown.isEmpty());

        r.tick(75);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 1 : 15"));
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.start().statusLines(), QStringList{S("Hang up on Busy Line")});
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 0"));
        QVERIFY(ctl<QPushButton>(r.start(), "cmdConnectDefault")->isEnabled());
        QVERIFY(!ctl<QPushButton>(r.start(), "cmdHangup")->isEnabled());
        QVERIFY(!r.prog().timer.isActive());
        QVERIFY(!r.sim->lineUp());
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray(" 75 \r\n"));
        QVERIFY(w.frmCost().isVisible());
        QCOMPARE(ctl<QLabel>(w.frmCost(), "labelCost")->text(), S("0.125"));
    }

    // Without a default connection the redial opens the picker again, in front of the console (the
    // picker may still be open from before, behind it), and the series goes on through it until the
    // busy line answers.
    void picked_busy_line_redials_through_the_picker() {
        SimRig r;
        r.writeSettings(S("None"));
        Program& p = r.prog();
        Windows& w = r.ui();
        w.startUp();
        p.settings.gConnectDefault = kFalse;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        frmConnectNoDefault& picker = w.frmConnectNoDefault();
        QVERIFY(picker.isVisible());
        // The first attempt comes from "Dial selected..." while the picker stays open.
        frmDialSelected& first = w.frmDialSelected();
        ctl<QLineEdit>(first, "textDialProfilename")->setText(S("Busy Line"));
        ctl<QLineEdit>(first, "textDialUsername")->setText(S("user"));
        ctl<QPushButton>(first, "cmdDialDial")->click();
        for (int attempt = 1;; ++attempt) {
            QCOMPARE(r.sim->attempts(S("Busy Line")), attempt);
            r.sim->advanceDial();
            if (attempt == 3)
                break;
            r.start().activateWindow();
            QCoreApplication::processEvents();
            QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&r.start()));
            r.redialTicks(7);
            QVERIFY(picker.isVisible());
            QCoreApplication::processEvents();
            QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&picker));
            QCOMPARE(p.dial.gDialing, true);
            const QList<QListWidgetItem*> found =
                ctl<QListWidget>(picker, "listdialchoose")->findItems(S("Busy Line"), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            ctl<QListWidget>(picker, "listdialchoose")->setCurrentItem(found.first());
            ctl<QPushButton>(picker, "cmdDial")->click();
            QVERIFY(!picker.isVisible());
            ctl<QPushButton>(w.frmDialSelected(), "cmdDialDial")->click();
        }
        QCOMPARE(p.dial.gConnected, true);
        QCOMPARE(r.prog().status.last(), S("Connected"));
    }

    // The picker's list takes the focus when it opens, which gives it a current row without
    // selecting anything: Dial then asks for a choice instead of dialing the first entry.
    void picker_without_a_choice_asks_for_one() {
        SimRig r;
        r.writeSettings(S("None"));
        Program& p = r.prog();
        Windows& w = r.ui();
        w.startUp();
        p.settings.gConnectDefault = kFalse;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        frmConnectNoDefault& picker = w.frmConnectNoDefault();
        picker.activateWindow();
        ctl<QListWidget>(picker, "listdialchoose")->setFocus();
        QCoreApplication::processEvents();
        ctl<QPushButton>(picker, "cmdDial")->click();
        QCOMPARE(r.t->boxes->texts(), QStringList{S("Select a Connection Profile first")});
        QVERIFY(picker.isVisible());
        QVERIFY(!w.frmDialSelected_loaded() || !w.frmDialSelected().isVisible());
    }

    // A line that drops by itself: noticed by the tick's poll, recorded, priced with the note, ended.
    void flaky_line_drops_and_the_session_ends_by_itself() {
        SimRig r;
        r.writeSettings(S("Flaky ISP"));
        Program& p = r.prog();
        Windows& w = r.ui();
        w.startUp();
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.sim->advanceDial();
        QCOMPARE(p.dial.gConnected, true);
        r.tick(30);
        QVERIFY(r.sim->dropPending());
        QVERIFY(r.sim->advance()); // the line drops
        r.tick();
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray(" 31 \r\n"));
        QVERIFY(w.frmCost().isVisible());
        QCOMPARE(ctl<QLabel>(w.frmCost(), "labelDisc")->text(), S("Hanged up on Flaky ISP"));
        QCOMPARE(r.start().statusLines(), QStringList{S("Flaky ISP terminated!")});
        QVERIFY(!r.prog().timer.isActive());
        QVERIFY(ctl<QPushButton>(r.start(), "cmdConnectDefault")->isEnabled());
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 0"));
        QVERIFY(r.t->boxes->shown.isEmpty());
    }

    void office_connects_and_exit_while_connected_records_before_ending() {
        SimRig r;
        r.writeSettings(S("Office"));
        Program& p = r.prog();
        r.ui().startUp();
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.sim->advanceDial();
        QCOMPARE(p.dial.gConnected, true);
        r.tick(20);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 20"));

        r.t->boxes->answerNext(BoxAnswer::Cancel);
        ctl<QPushButton>(r.start(), "cmdExit")->click();
        QVERIFY(!p.finished());
        QCOMPARE(p.dial.gConnected, true);

        r.t->boxes->answerNext(BoxAnswer::Yes);
        ctl<QPushButton>(r.start(), "cmdExit")->click();
        QCOMPARE(r.t->boxes->shown.last().title, S("Exiting ModemTally"));
        QVERIFY(p.finished());
        QVERIFY(!r.sim->lineUp());
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray(" 20 \r\n"));
        QVERIFY(!r.start().isVisible());
    }
};

QTEST_MAIN(tst_simulator_e2e)
#include "tst_simulator_e2e.moc"
