// The ways a dial starts, hang-up and exit.
#include "DialRig.h"
#include "core/DialFlows.h"
#include "core/HangUp.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "dialing/frmPassword.h"
#include "monitor/frmReminder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class tst_dialing_flows : public QObject {
    Q_OBJECT
private slots:
    // Which window the Connect button opens, or whether it dials at once.
    void connect_button_data() {
        QTest::addColumn<QString>("connectDefault");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("expected");
        QTest::newRow("picker") << S("false") << S("true") << S("picker");
        QTest::newRow("direct") << S("true") << S("false") << S("dial");
        QTest::newRow("connect default never chosen") << S("") << S("false") << S("dial");
        QTest::newRow("connect default odd text") << S("False") << S("false") << S("dial");
        QTest::newRow("prompt") << S("true") << S("true") << S("password");
        QTest::newRow("prompt odd text") << S("true") << S("no") << S("password");
    }
    void connect_button() {
        QFETCH(QString, connectDefault);
        QFETCH(QString, prompt);
        QFETCH(QString, expected);
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gConnectDefault = connectDefault;
        p.settings.gPromptPassword = prompt;
        p.session.gWarnedTimePM = true;
        p.dial.gUserHangup = true;
        r.t->writeDataFile(S("20266.txt"), {S("100"), S("200")});
        r.prog().status.add(S("old line"));
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        // The month is reloaded and the warnings re-armed whatever follows.
        QCOMPARE(p.session.gMonthSecondsBefore, 300);
        QCOMPARE(p.session.gWarnedTimePM, false);
        QCOMPARE(p.dial.gUserHangup, false);
        QCOMPARE(w.frmConnectNoDefault_loaded() && w.frmConnectNoDefault().isVisible(),
                 expected == S("picker"));
        QCOMPARE(w.frmPassword_loaded() && w.frmPassword().isVisible(), expected == S("password"));
        if (expected != S("dial")) {
            QVERIFY(r.ras->dialed().isEmpty());
            QCOMPARE(r.lines(), QStringList{S("old line")});
            QVERIFY(r.idleButtons());
            return;
        }
        QCOMPARE(r.ras->dialed(), QStringList{S("Dial Home|alice|Secret|dom")});
        QVERIFY(r.lines().isEmpty());
        QVERIFY(r.dialingButtons());
        QVERIFY(ctl<QAction>(r.start(), "mPopHangup")->isEnabled());
        QCOMPARE(p.dial.gDialing, true);
        QCOMPARE(p.dial.gDialedProfile, S("Home"));
    }

    // A profile without credential items (the default "None") dials with empty credentials.
    void missing_credentials_dial_empty() {
        Rig r;
        r.prog().settings.gDefaultProfile = S("None");
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        QCOMPARE(r.ras->dialed(), QStringList{S("Dial None|||")});
    }

    void auto_dial_enables_hang_up_only() {
        Rig r;
        Program& p = r.prog();
        p.session.gElapsedSeconds = 7;
        DialFlows::autoDial(p);
        QCOMPARE(r.ras->dialed(), QStringList{S("Dial Home|alice|Secret|dom")});
        QVERIFY(r.dialingButtons());
        QVERIFY(!ctl<QAction>(r.start(), "mPopHangup")->isEnabled());
        QCOMPARE(p.session.elapsedSeconds(), 0);
        Rig picker;
        picker.prog().settings.gConnectDefault = kFalse;
        DialFlows::autoDial(picker.prog());
        QVERIFY(picker.ui().frmConnectNoDefault().isVisible());
        QVERIFY(picker.ras->dialed().isEmpty());
    }

    void password_prompt() {
        Rig r;
        Program& p = r.prog();
        p.settings.gPromptPassword = kTrue;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        frmPassword& prompt = r.ui().frmPassword();
        // Ten wrong tries, one in another letter case: ten messages, the prompt stays with an empty field.
        for (int i = 0; i < 10; ++i) {
            ctl<QLineEdit>(prompt, "textPassword")->setText(i == 0 ? S("secret") : S("wrong"));
            ctl<QPushButton>(prompt, "cmdOKPassword")->click();
        }
        QCOMPARE(r.boxes().shown.size(), 10);
        QCOMPARE(r.boxes().shown.last(),
                 (Box{S("Incorrect Password! Try Again."), S("Authentication Failed!"), BoxIcon::Critical,
                      BoxButtons::Ok}));
        QVERIFY(ctl<QLineEdit>(prompt, "textPassword")->text().isEmpty());
        QVERIFY(prompt.isVisible());
        QVERIFY(r.ras->dialed().isEmpty());
        // The right one dials; the prompt keeps the clock as it stands and is hidden, not destroyed.
        p.session.gElapsedSeconds = 4;
        r.prog().status.add(S("old"));
        ctl<QLineEdit>(prompt, "textPassword")->setText(S("Secret"));
        ctl<QPushButton>(prompt, "cmdOKPassword")->click();
        QCOMPARE(r.ras->dialed(), QStringList{S("Dial Home|alice|Secret|dom")});
        QVERIFY(!prompt.isVisible());
        QVERIFY(r.ui().frmPassword_loaded());
        QCOMPARE(p.session.gElapsedSeconds, 4);
        QVERIFY(r.lines().isEmpty());
        QVERIFY(r.dialingButtons());
    }

    void password_cancel_leaves_idle() {
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gPromptPassword = kTrue;
        p.session.gWarnedCostPC = true;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        ctl<QPushButton>(w.frmPassword(), "cmdCancelPassword")->click();
        QVERIFY(!w.frmPassword().isVisible());
        QVERIFY(r.idleButtons());
        QCOMPARE(p.session.gWarnedCostPC, false);
        // Connect again shows the same window again.
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        QVERIFY(w.frmPassword().isVisible());
    }

    void picker_and_dial_dialog() {
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gConnectDefault = kFalse;
        r.ras->entries = QStringList{S("Home"), S("Office")};
        p.ras().EnumEntries();
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        frmConnectNoDefault& picker = w.frmConnectNoDefault();
        ctl<QPushButton>(picker, "cmdDial")->click();
        QCOMPARE(r.boxes().shown, QList<Box>{(Box{S("Select a Connection Profile first"), S("ModemTally"),
                                                  BoxIcon::Exclamation, BoxButtons::Ok})});
        QVERIFY(picker.isVisible());
        ctl<QListWidget>(picker, "listdialchoose")->setCurrentRow(1);
        ctl<QPushButton>(picker, "cmdDial")->click();
        QVERIFY(!picker.isVisible());
        frmDialSelected& d = w.frmDialSelected();
        QVERIFY(d.isVisible());
        QCOMPARE(ctl<QLineEdit>(d, "textDialProfilename")->text(), S("Office"));
        QCOMPARE(ctl<QLineEdit>(d, "textDialUsername")->text(), S("bob"));
        QCOMPARE(ctl<QLineEdit>(d, "textDialPassword")->text(), S("pw2"));
        QCOMPARE(ctl<QLineEdit>(d, "textDialDomain")->text(), QString());
        // Typed credentials are dialed, not stored; an empty user name is dialed as it is.
        ctl<QLineEdit>(d, "textDialUsername")->clear();
        ctl<QLineEdit>(d, "textDialPassword")->setText(S("typed"));
        ctl<QPushButton>(d, "cmdDialDial")->click();
        QCOMPARE(r.ras->dialed(), QStringList{S("Dial Office||typed|")});
        QCOMPARE(p.settings.gProfiles.password(S("Office")), S("pw2"));
        QVERIFY(!d.isVisible());
        QVERIFY(r.start().isVisible());
        QVERIFY(r.dialingButtons());
        QCOMPARE(p.dial.gDialedProfile, S("Office"));
    }

    void dial_dialog_refuses_all_empty_and_cancel_discards() {
        Rig r;
        Windows& w = r.ui();
        frmDialSelected& d = w.frmDialSelected();
        ctl<QLineEdit>(d, "textDialProfilename")->setText(S("Office"));
        d.show();
        ctl<QPushButton>(d, "cmdDialDial")->click();
        QCOMPARE(
            r.boxes().texts(),
            QStringList{S("ModemTally has detected an empty field for the Username entry. Even if your "
                          "dialup server do not handle auto-negotiation, there must still be an entry for "
                          "the Username. You may enter any values for the username under the Connect tab "
                          "in the Configuration Console.")});
        QCOMPARE(r.boxes().shown[0].icon, BoxIcon::None);
        QVERIFY(d.isVisible());
        QVERIFY(r.ras->dialed().isEmpty());
        ctl<QPushButton>(d, "cmdDialCancel")->click();
        QVERIFY(!w.frmDialSelected_loaded());
        QVERIFY(ctl<QLineEdit>(w.frmDialSelected(), "textDialProfilename")->text().isEmpty());
    }

    // --- Hang-up and exit ---

    void hang_up_during_dial() {
        Rig r;
        Program& p = r.prog();
        p.settings.gShowCost = kTrue;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        r.tick(3);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QVERIFY(r.ras->calls.contains(S("HangUp Home")));
        QCOMPARE(r.lines(), QStringList{S("Hang up on Home")});
        QVERIFY(r.idleButtons());
        QVERIFY(!ctl<QAction>(r.start(), "mPopHangup")->isEnabled());
        QVERIFY(!r.prog().timer.isActive());
        QVERIFY(!QFile::exists(r.t->dataPath(S("20266.txt"))));
        QCOMPARE(p.dial.gUserHangup, true);
        QCOMPARE(p.dial.gDialing, false);
        QCOMPARE(p.dial.gDialedProfile, QString());
        QCOMPARE(p.flags.gTrayTip, S("ModemTally"));
    }

    // The three entry points: when gUserHangup is set, which menu item is disabled, the tray tip.
    void hang_up_entry_points_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("flagDuringHangUp");
        QTest::addColumn<bool>("flagAfter");
        QTest::addColumn<bool>("popEnabled");
        QTest::addColumn<QString>("tip");
        QTest::newRow("button") << int(HangupEntry::Button) << true << true << false << S("ModemTally");
        QTest::newRow("tray menu") << int(HangupEntry::TrayMenu) << false << true << false
                                   << S("Elapsed Time - 0 : 0 : 20");
        QTest::newRow("reminder") << int(HangupEntry::Reminder) << false << false << true << S("ModemTally");
    }
    void hang_up_entry_points() {
        QFETCH(int, entry);
        QFETCH(bool, flagDuringHangUp);
        QFETCH(bool, flagAfter);
        QFETCH(bool, popEnabled);
        QFETCH(QString, tip);
        Rig r;
        Program& p = r.prog();
        Windows& w = r.ui();
        p.settings.gTrayOnConnect = kTrue;
        r.t->writeDataFile(S("20266.txt"), {S("100"), S("abc"), S(" 300 ")});
        r.connect();
        r.tick(20);
        w.frmReminder().show();
        bool during = false;
        r.ras->onHangUp = [&](const QString&) { during = p.dial.gUserHangup; };
        switch (HangupEntry(entry)) {
        case HangupEntry::Button:
            ctl<QPushButton>(r.start(), "cmdHangup")->click();
            break;
        case HangupEntry::TrayMenu:
            ctl<QAction>(r.start(), "mPopHangup")->trigger();
            break;
        case HangupEntry::Reminder:
            ctl<QPushButton>(w.frmReminder(), "cmdReminderHangup")->click();
            break;
        }
        QCOMPARE(during, flagDuringHangUp);
        QCOMPARE(p.dial.gUserHangup, flagAfter);
        QCOMPARE(ctl<QAction>(r.start(), "mPopHangup")->isEnabled(), popEnabled);
        QVERIFY(!ctl<QPushButton>(r.start(), "cmdHangup")->isEnabled());
        QCOMPARE(p.flags.gTrayTip, tip);
        QCOMPARE(w.frmReminder().isVisible(), entry != int(HangupEntry::Reminder));
        QCOMPARE(r.t->readDataFile(S("20266.txt")), QByteArray("100\r\nabc\r\n 300 \r\n 20 \r\n"));
        QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 0"));
        QCOMPARE(r.lines(), QStringList{S("Hang up on Home")});
        QCOMPARE(p.dial.gConnected, false);
    }

    void exit_while_connected_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QByteArray>("month");
        QTest::newRow("cancel") << int(BoxAnswer::Cancel) << false << QByteArray();
        QTest::newRow("no") << int(BoxAnswer::No) << true << QByteArray();
        QTest::newRow("yes") << int(BoxAnswer::Yes) << true << QByteArray(" 30 \r\n");
    }
    void exit_while_connected() {
        QFETCH(int, answer);
        QFETCH(bool, finished);
        QFETCH(QByteArray, month);
        Rig r;
        Program& p = r.prog();
        r.connect();
        r.tick(30);
        r.boxes().answerNext(BoxAnswer(answer));
        // A second Exit while the question is open asks nothing more.
        r.boxes().onBox = [&p](const Box&) { HangUp::exitProgram(p); };
        ctl<QPushButton>(r.start(), "cmdExit")->click();
        QCOMPARE(r.boxes().shown.size(), 1);
        QCOMPARE(r.boxes().shown[0],
                 (Box{S("ModemTally has detected that a connection is still active. Do you wish to terminate "
                        "this connection?"),
                      S("Exiting ModemTally"), BoxIcon::Critical, BoxButtons::YesNoCancel}));
        QCOMPARE(p.finished(), finished);
        QCOMPARE(r.t->readDataFile(S("20266.txt")), month);
        QCOMPARE(r.ras->calls.contains(S("HangUp Home")), answer == int(BoxAnswer::Yes));
        QCOMPARE(p.flags.gExiting, finished);
        if (!finished) {
            QCOMPARE(p.dial.gConnected, true);
            QVERIFY(r.prog().timer.isActive());
            r.tick();
            QCOMPARE(ctl<QLabel>(r.start(), "labelTime")->text(), S("0 : 0 : 31"));
        }
    }

    void exit_while_dialing_asks_nothing() {
        Rig r;
        ctl<QPushButton>(r.start(), "cmdConnectDefault")->click();
        ctl<QAction>(r.start(), "mPopExit")->trigger();
        QVERIFY(r.boxes().shown.isEmpty());
        QVERIFY(r.prog().finished());
        QVERIFY(!r.ras->calls.contains(S("HangUp Home")));
    }
};

QTEST_MAIN(tst_dialing_flows)
#include "tst_dialing_flows.moc"
