// Dial progress, the redial series and the enumeration of entries and connections.
#include "DialRig.h"
#include "config/frmConfig.h"
#include "config/frmWarnNewConnection.h"
#include "core/DialFlows.h"
#include "core/formRAS.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "dialing/frmPassword.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class tst_dialing_status : public QObject {
    Q_OBJECT
private slots:
    void status_texts_data() {
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QStringList>("added");
        const QString none;
        QTest::newRow("capital CONNECTED") << none << S("CONNECTED") << true << QStringList{S("CONNECTED")};
        QTest::newRow("connected not first")
            << none << S("Device connected") << false << QStringList{S("Device connected")};
        QTest::newRow("bare failed is progress") << none << S("failed") << false << QStringList{S("failed")};
        QTest::newRow("validation") << none << S("Validation attempt 2 of 3") << false
                                    << QStringList{S("Username/Password Authentication...")};
        QTest::newRow("connected after failure")
            << S("Dial failed") << S("Connected") << false << QStringList{};
        QTest::newRow("connected after a line with FAILED")
            << S("Line FAILED") << S("Connected") << false << QStringList{};
        QTest::newRow("connected after a line starting failed")
            << S("failed once") << S("Connected") << true << QStringList{S("Connected")};
    }
    void status_texts() {
        QFETCH(QString, lastLine);
        QFETCH(QString, text);
        QFETCH(bool, connected);
        QFETCH(QStringList, added);
        Rig r;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        if (!lastLine.isEmpty())
            r.prog().status.add(lastLine);
        const QStringList before = r.lines();
        r.ras->status(text);
        QCOMPARE(r.lines(), before + added);
        QCOMPARE(r.prog().dial.gConnected, connected);
        QCOMPARE(r.prog().dial.gDialing, !connected);
        QVERIFY(r.boxes().shown.isEmpty());
    }

    void connected_actions() {
        Rig r;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.form().redial = 2;
        r.t->clock->advance(5000);
        r.ras->connected = true;
        r.ras->status(QStringLiteral("Connected"));
        QCOMPARE(r.prog().dial.gConnected, true);
        QCOMPARE(r.prog().dial.gDialing, false);
        QCOMPARE(r.form().redial, qint16(0));
        QCOMPARE(r.prog().session.gSessionStart, r.t->clock->now());
        r.tick();
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), QStringLiteral("0 : 0 : 1"));
    }

    // "Connected" again while connected, or after the user hung up, is only shown.
    void connected_outside_a_dial() {
        Rig r;
        Program& p = r.prog();
        r.connect();
        const QDateTime began = p.session.gSessionStart;
        r.tick(10);
        r.ras->status(S("Connected"));
        QCOMPARE(p.session.gSessionStart, began);
        QCOMPARE(p.session.elapsedSeconds(), 10);
        QCOMPARE(r.lines().last(), S("Connected"));
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        r.ras->status(S("Connected"));
        QCOMPARE(p.dial.gConnected, false);
        QCOMPARE(r.lines(), (QStringList{S("Hang up on Home"), S("Connected")}));
    }

    // The three branches of a failure, with the redial settings that choose them.
    void failure_branches_data() {
        QTest::addColumn<QString>("tillConnect");
        QTest::addColumn<QString>("limited");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("redial");
        QTest::addColumn<bool>("waiting");
        QTest::newRow("till connected")
            << S("true") << S("false")
            << QStringList{S("Connection fails... "), S("Redialing till connected")} << 0 << true;
        QTest::newRow("till connected wins over limited")
            << S("true") << S("true") << QStringList{S("Connection fails... "), S("Redialing till connected")}
            << 0 << true;
        QTest::newRow("limited") << S("false") << S("true")
                                 << QStringList{S("Connection fails... "), S("Redialing for 3 times")} << 1
                                 << true;
        QTest::newRow("neither") << S("false") << S("false") << QStringList{S("Modem failed to answer")} << 0
                                 << false;
    }
    void failure_branches() {
        QFETCH(QString, tillConnect);
        QFETCH(QString, limited);
        QFETCH(QStringList, lines);
        QFETCH(int, redial);
        QFETCH(bool, waiting);
        Rig r;
        Program& p = r.prog();
        p.settings.gRedialTillConnect = tillConnect;
        p.settings.gRedialLimited = limited;
        p.settings.gRedialMax = 3;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        // The control reports the hang-up of the failed attempt as another failure: counted once.
        r.ras->onHangUp = [&r](const QString&) { r.ras->status(S("Port failed")); };
        r.ras->status(QStringLiteral("Modem failed to answer"));
        QCOMPARE(r.lines(), lines);
        QCOMPARE(int(r.form().redial), redial);
        QCOMPARE(r.form().timerredial.isActive(), waiting);
        QCOMPARE(r.ras->calls.contains(QStringLiteral("HangUp Home")), waiting);
        if (waiting) {
            QVERIFY(r.boxes().shown.isEmpty());
            QCOMPARE(p.dial.gDialing, true);
            QVERIFY(r.dialingButtons());
            return;
        }
        QCOMPARE(r.boxes().shown.size(), 1);
        QCOMPARE(r.boxes().shown[0], (Box{S("Connection Failed!"), S("Connection Status"),
                                          BoxIcon::Exclamation, BoxButtons::Ok}));
        QCOMPARE(p.dial.gDialing, false);
        QVERIFY(r.idleButtons() || !ctl<QPushButton>(r.start(), "cmdHangup")->isEnabled());
        // The next tick ends the session.
        r.tick();
        QVERIFY(!r.prog().timer.isActive());
        QCOMPARE(r.lines(), QStringList{S("Home terminated!")});
        QCOMPARE(p.dial.gDialedProfile, QString());
        QVERIFY(r.idleButtons());
    }

    // Ticks and further failure reports while "Connection Failed!" is open: reported once.
    void final_failure_reported_once() {
        Rig r;
        r.prog().settings.gRedialTillConnect = kFalse;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.boxes().onBox = [&r](const Box&) {
            r.tick();
            r.ras->status(QStringLiteral("Port failed"));
        };
        r.ras->status(QStringLiteral("Dial failed"));
        QCOMPARE(r.boxes().texts(), QStringList{S("Connection Failed!")});
        QCOMPARE(r.lines(), (QStringList{S("Home terminated!"), S("Port failed"), S("Dial failed")}));
        QVERIFY(r.idleButtons());
        QVERIFY(!r.prog().timer.isActive());
    }

    // A failure of the attempt the user abandoned starts nothing and asks nothing.
    void failure_after_hang_up() {
        Rig r;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        r.ras->status(QStringLiteral("Dial failed"));
        QVERIFY(r.boxes().shown.isEmpty());
        QVERIFY(!r.form().timerredial.isActive());
        QCOMPARE(r.ras->dialed().size(), 1);
    }

    void redial_waits_seven_ticks() {
        Rig r;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.ras->status(QStringLiteral("Dial failed"));
        r.redialTick(6);
        QCOMPARE(r.ras->dialed().size(), 1);
        QCOMPARE(r.form().redialTicks, qint16(6));
        r.redialTick();
        QCOMPARE(r.ras->dialed(),
                 (QStringList{S("Dial Home|alice|Secret|dom"), S("Dial Home|alice|Secret|dom")}));
        QVERIFY(!r.form().timerredial.isActive());
        QCOMPARE(r.form().redialTicks, qint16(0));
        // The status list is kept, the clock reset, the dialing state kept.
        QCOMPARE(r.lines(), (QStringList{S("Connection fails... "), S("Redialing till connected")}));
        QCOMPARE(r.prog().dial.gDialing, true);
        QVERIFY(r.dialingButtons());
    }

    void redial_opens_window_data() {
        QTest::addColumn<QString>("connectDefault");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("picker");
        QTest::newRow("picker") << S("false") << S("false") << true;
        QTest::newRow("password prompt") << S("true") << S("true") << false;
        QTest::newRow("prompt setting neither yes nor no") << S("true") << S("") << false;
    }
    void redial_opens_window() {
        QFETCH(QString, connectDefault);
        QFETCH(QString, prompt);
        QFETCH(bool, picker);
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        DialFlows::startDial(p, DialCaller::ConnectButton, QStringLiteral("Home"), {}, {}, {});
        p.settings.gConnectDefault = connectDefault;
        p.settings.gPromptPassword = prompt;
        r.ras->status(QStringLiteral("Dial failed"));
        r.redialTick(7);
        QCOMPARE(r.ras->dialed().size(), 1);
        QVERIFY(!r.form().timerredial.isActive());
        QCOMPARE(w.frmConnectNoDefault_loaded() && w.frmConnectNoDefault().isVisible(), picker);
        QCOMPARE(w.frmPassword_loaded() && w.frmPassword().isVisible(), !picker);
        QCOMPARE(p.dial.gDialing, true);
    }

    // A direct redial dials with the credentials of the dial that failed, typed ones included.
    void redial_uses_credentials_of_failed_dial() {
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        frmDialSelected& d = w.frmDialSelected();
        ctl<QLineEdit>(d, "textDialProfilename")->setText(QStringLiteral("Office"));
        ctl<QLineEdit>(d, "textDialUsername")->setText(QStringLiteral("typed"));
        ctl<QLineEdit>(d, "textDialPassword")->setText(QStringLiteral("tpw"));
        ctl<QLineEdit>(d, "textDialDomain")->setText(QString());
        ctl<QPushButton>(d, "cmdDialDial")->click();
        r.ras->status(QStringLiteral("Dial failed"));
        r.redialTick(7);
        QCOMPARE(r.ras->dialed(), (QStringList{S("Dial Office|typed|tpw|"), S("Dial Office|typed|tpw|")}));
        QCOMPARE(p.settings.gProfiles.userName(QStringLiteral("Office")), QStringLiteral("bob"));
    }

    void hang_up_while_waiting_stops_redial() {
        Rig r;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.ras->status(QStringLiteral("Dial failed"));
        r.redialTick(3);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        r.redialTick();
        QVERIFY(!r.form().timerredial.isActive());
        QCOMPARE(r.form().redialTicks, qint16(0));
        r.redialTick(10);
        QCOMPARE(r.ras->dialed().size(), 1);
    }

    // A hang-up ends the redial series at once: a Connect within the next second is a new dial of its
    // own, no redial of the old series dials over it, and its failure is reported and redialed.
    void connect_right_after_hanging_up_a_redial_starts_afresh() {
        Rig r;
        Program& p = r.prog();
        p.settings.gRedialTillConnect = kFalse;
        p.settings.gRedialLimited = kTrue;
        p.settings.gRedialMax = 3;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.ras->status(S("Dial failed"));
        r.redialTick(3);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        QVERIFY(!r.form().timerredial.isActive());
        r.redialTick(7);
        QCOMPARE(r.ras->dialed().size(), 2);
        r.ras->status(S("Dial failed"));
        QCOMPARE(r.lines(), (QStringList{S("Connection fails... "), S("Redialing for 3 times")}));
        QCOMPARE(r.form().redial, qint16(1));
        r.redialTick(7);
        QCOMPARE(r.ras->dialed().size(), 3);
        QCOMPARE(r.form().redial, qint16(1));
    }

    // A limited series: gRedialMax redials after the first attempt, then the limit.
    void limited_series_data() {
        QTest::addColumn<int>("max");
        QTest::newRow("none") << 0;
        QTest::newRow("three") << 3;
    }
    void limited_series() {
        QFETCH(int, max);
        Rig r;
        Program& p = r.prog();
        p.settings.gRedialTillConnect = kFalse;
        p.settings.gRedialLimited = kTrue;
        p.settings.gRedialMax = qint16(max);
        p.settings.gTrayOnConnect = kTrue;
        p.flags.gTrayTip = QStringLiteral("Elapsed Time - 0 : 0 : 9");
        const QString line = QStringLiteral("Redialing for %1 times").arg(max);
        // Two series in a row: each one gets its full count.
        for (int series = 0; series < 2; ++series) {
            r.boxes().shown.clear();
            r.ras->calls.clear();
            ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
            for (int attempt = 0; attempt <= max; ++attempt) {
                r.ras->status(QStringLiteral("Dial failed"));
                QCOMPARE(r.lines().last(), line);
                QCOMPARE(int(r.form().redial), attempt + 1);
                r.redialTick(7);
            }
            QCOMPARE(r.ras->dialed().size(), max + 1);
            QCOMPARE(r.boxes().shown.size(), 1);
            QCOMPARE(r.boxes().shown[0], (Box{QStringLiteral("Redial limit of %1 times reached").arg(max),
                                              S("ModemTally"), BoxIcon::None, BoxButtons::Ok}));
            QCOMPARE(r.lines(), QStringList{S("Redial attempts terminated")});
            QVERIFY(!r.form().timerredial.isActive());
            QVERIFY(r.idleButtons());
            QVERIFY(!r.prog().timer.isActive());
            QVERIFY(!ctl<QAction>(r.start(), "mPopHangup")->isEnabled());
            QCOMPARE(p.dial.gDialedProfile, QString());
            QCOMPARE(p.dial.gDialing, false);
            QCOMPARE(p.flags.gTrayTip, QStringLiteral("ModemTally"));
        }
    }

    // A dial from the picker the redial opened continues the series: the limit still comes.
    void series_continues_through_picker() {
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gRedialTillConnect = kFalse;
        p.settings.gRedialLimited = kTrue;
        p.settings.gRedialMax = 1;
        p.settings.gConnectDefault = kFalse;
        r.ras->entries = QStringList{S("Home")};
        p.ras().EnumEntries();
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (attempt == 0)
                ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
            frmConnectNoDefault& picker = w.frmConnectNoDefault();
            QVERIFY(picker.isVisible());
            ctl<QListWidget>(picker, "listdialchoose")->setCurrentRow(0);
            ctl<QPushButton>(picker, "cmdDial")->click();
            ctl<QPushButton>(w.frmDialSelected(), "cmdDialDial")->click();
            r.ras->status(S("Dial failed"));
            QCOMPARE(int(r.form().redial), attempt + 1);
            r.redialTick(7);
        }
        QCOMPARE(r.ras->dialed().size(), 2);
        QCOMPARE(r.boxes().texts(), QStringList{S("Redial limit of 1 times reached")});
    }

    // Ticks of the redial timer while the limit message is open do not repeat it.
    void redial_limit_message_once() {
        Rig r;
        Program& p = r.prog();
        p.settings.gRedialTillConnect = kFalse;
        p.settings.gRedialLimited = kTrue;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.ras->status(QStringLiteral("Dial failed"));
        r.boxes().onBox = [&r](const Box&) { r.redialTick(3); };
        r.redialTick();
        QCOMPARE(r.boxes().shown.size(), 1);
    }

    // --- Enumeration ---

    void first_run_registers_entries() {
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gProfiles.clear();
        r.ras->entries = QStringList{S("A"), S("B"), S("C")};
        p.ras().EnumEntries();
        QCOMPARE(p.settings.gProfiles.size(), 12);
        QCOMPARE(p.settings.gProfiles.items()[5].key, QStringLiteral("BUsername"));
        QCOMPARE(ctl<QListWidget>(w.frmConfig(), "listProfiles")->count(), 3);
        QCOMPARE(ctl<QListWidget>(w.frmConnectNoDefault(), "listdialchoose")->item(2)->text(),
                 QStringLiteral("C"));
        QCOMPARE(p.flags.gEntryCount, qint16(3));
        // After a settings file was read the profiles are left alone.
        p.settings.gFirstRun = kFalse;
        r.ras->entries = QStringList{S("D")};
        p.ras().EnumEntries();
        QCOMPARE(p.settings.gProfiles.size(), 12);
        QCOMPARE(p.flags.gEntryCount, qint16(4));
    }

    void created_entry_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("new entry last")
            << QStringList{S("A"), S("B"), S("New")} << QStringList{S("A"), S("B"), S("New")};
        QTest::newRow("new entry first")
            << QStringList{S("New"), S("A"), S("B")} << QStringList{S("A"), S("B"), S("New")};
        QTest::newRow("nothing new") << QStringList{S("A"), S("B")} << QStringList{S("A"), S("B")};
    }
    void created_entry() {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, listed);
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gFirstRun = kFalse;
        r.ras->entries = QStringList{S("A"), S("B")};
        p.ras().EnumEntries();
        // The configuration console has created an entry.
        p.flags.gCreatingProfile = true;
        p.flags.gEntryCount += 1;
        const int items = p.settings.gProfiles.size();
        r.ras->entries = entries;
        p.ras().EnumEntries();
        QStringList got;
        for (int i = 0; i < ctl<QListWidget>(w.frmConnectNoDefault(), "listdialchoose")->count(); ++i)
            got << ctl<QListWidget>(w.frmConnectNoDefault(), "listdialchoose")->item(i)->text();
        QCOMPARE(got, listed);
        QCOMPARE(ctl<QListWidget>(w.frmConfig(), "listProfiles")->count(), listed.size());
        QCOMPARE(p.settings.gProfiles.size(), items + 4 * int(listed.size() - 2));
        if (listed.size() == 3) {
            QCOMPARE(p.flags.gCreatingProfile, false);
            QCOMPARE(p.flags.entryEventIndex, qint16(0));
        }
    }

    // A listing made while the new entry is not there yet (its wizard was cancelled, or the desktop's
    // editor is still open) must not cut the next listing short: the entry made later is listed once,
    // with its profile, and no other entry is listed twice.
    void created_entry_after_a_listing_without_it_data() {
        QTest::addColumn<bool>("proceedAgain"); // true: a second New Connection; false: the editor saves
        QTest::newRow("wizard cancelled, then an entry made") << true;
        QTest::newRow("editor saves after the first listing") << false;
    }
    void created_entry_after_a_listing_without_it() {
        QFETCH(bool, proceedAgain);
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gFirstRun = kFalse;
        r.ras->entries = QStringList{S("A"), S("B"), S("C")};
        p.ras().EnumEntries();
        frmWarnNewConnection& notice = w.frmWarnNewConnection();
        ctl<QPushButton>(notice, "cmdProceed")
            ->click(); // the wizard is cancelled, or the editor is still open
        r.ras->entries = QStringList{S("A"), S("B"), S("C"), S("New")};
        if (proceedAgain)
            ctl<QPushButton>(notice, "cmdProceed")->click();
        else
            p.formRAS().listEntriesAgain(); // the editor saved: the phone book changed
        QStringList got;
        for (int i = 0; i < ctl<QListWidget>(w.frmConfig(), "listProfiles")->count(); ++i)
            got << ctl<QListWidget>(w.frmConfig(), "listProfiles")->item(i)->text();
        QCOMPARE(got, (QStringList{S("A"), S("B"), S("C"), S("New")}));
        QCOMPARE(ctl<QListWidget>(w.frmConnectNoDefault(), "listdialchoose")->count(), 4);
        QVERIFY(p.settings.gProfiles.hasProfile(S("New")));
        QCOMPARE(p.flags.gCreatingProfile, false);
        QCOMPARE(p.flags.gEntryCount, qint16(4));
    }

    void scan_idle_without_connection() {
        Rig r;
        r.prog().status.add(QStringLiteral("x"));
        ctl<QPushButton>(r.start(), "Command2")->click();
        QVERIFY(r.boxes().shown.isEmpty());
        QCOMPARE(r.lines(), QStringList{S("x")});
        QCOMPARE(r.prog().dial.gConnected, false);
    }

    void adopt_outside_connection() {
        Rig r;
        Program& p = r.prog();
        p.session.gWarnedCostPM = true;
        p.dial.gUserHangup = true;
        r.t->writeDataFile(QStringLiteral("20266.txt"), {QStringLiteral("40")});
        r.ras->activeConnection = QStringLiteral("Office");
        // Ticks while the message is open poll again: the connection is adopted once.
        r.boxes().onBox = [&r](const Box&) { ctl<QPushButton>(r.start(), "Command2")->click(); };
        ctl<QPushButton>(r.start(), "Command2")->click();
        QCOMPARE(r.boxes().shown.size(), 1);
        QCOMPARE(r.boxes().shown[0],
                 (Box{S("ModemTally has detected an active conection called Office. Time elapsed will not be "
                        "accurate."),
                      S("Active Connection Detected!"), BoxIcon::Information, BoxButtons::Ok}));
        QCOMPARE(r.lines(), QStringList{S("Connected to Office")});
        QCOMPARE(p.dial.gConnected, true);
        QCOMPARE(p.dial.gAdoptedConnection, true);
        QCOMPARE(p.dial.gDialedProfile, QStringLiteral("Office"));
        QCOMPARE(p.dial.gUserHangup, false);
        QCOMPARE(p.session.gWarnedCostPM, false);
        QCOMPARE(p.session.gMonthSecondsBefore, 40);
        QVERIFY(r.dialingButtons());
        r.tick();
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), QStringLiteral("0 : 0 : 1"));
        // It drops later: an adopted session runs on until Hang Up.
        r.ras->activeConnection.clear();
        r.tick(2);
        QCOMPARE(p.dial.gConnected, true);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), QStringLiteral("0 : 0 : 3"));
    }

    void no_adoption_while_dialing_or_after_failure() {
        Rig r;
        r.ras->activeConnection = QStringLiteral("Office");
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.tick();
        QVERIFY(r.boxes().shown.isEmpty());
        r.prog().dial.gDialing = false;
        r.prog().status.add(QStringLiteral("Dial Failed"));
        ctl<QPushButton>(r.start(), "Command2")->click();
        QVERIFY(r.boxes().shown.isEmpty());
        QCOMPARE(r.prog().dial.gConnected, false);
    }

    void dialed_connection_vanishes() {
        Rig r;
        Program& p = r.prog();
        r.ras->activeConnection = QStringLiteral("Home");
        r.connect();
        r.tick(20);
        r.ras->connected = false;
        r.ras->activeConnection.clear();
        r.tick();
        // The tick that noticed it records the session and ends it.
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray(" 21 \r\n"));
        QCOMPARE(p.dial.gConnected, false);
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 0"));
        QCOMPARE(r.lines(), QStringList{S("Home terminated!")});
        QVERIFY(!r.prog().timer.isActive());
        QVERIFY(r.idleButtons());
    }

    // Noticed by the Scan button: the next tick reports the end.
    void scan_notices_dropped_line() {
        Rig r;
        r.connect();
        r.tick(5);
        r.ras->connected = false;
        ctl<QPushButton>(r.start(), "Command2")->click();
        QCOMPARE(r.prog().dial.gConnected, false);
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray(" 5 \r\n"));
        QCOMPARE(r.lines(), QStringList{S("Connected")});
        r.tick();
        QCOMPARE(r.lines(), QStringList{S("Home terminated!")});
        // A line that drops after Hang Up is left to the hang-up.
        Rig h;
        h.connect();
        h.tick(5);
        ctl<QPushButton>(h.start(), "cmdHangup")->click();
        ctl<QPushButton>(h.start(), "Command2")->click();
        QCOMPARE(h.t->readDataFile(S("20266.txt")), QByteArray(" 5 \r\n"));
    }
};

QTEST_MAIN(tst_dialing_status)
#include "tst_dialing_status.moc"
