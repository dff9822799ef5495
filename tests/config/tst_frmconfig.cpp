#include "config/frmCloseConfig.h"
#include "config/frmConfig.h"
#include "config/frmEditProfile.h"
#include "config/frmWarnNewConnection.h"
#include "console/SettingsFile.h"
#include "console/frmStart.h"
#include "core/YesNo.h"
#include "dialing/frmDialSelected.h"
#include "monitor/frmCreateShortcut.h"
#include "monitor/frmHelpEdit.h"
#include "monitor/frmSound.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

QString L(const char* s) {
    return QString::fromLatin1(s);
}

// Records what the console asks of the remote-access control, and the flags at enumeration time.
class RecordingRas final : public RasControl {
public:
    Program* program = nullptr;
    QStringList calls;
    QString creatingAtEnum;
    int entryCountAtEnum = -1;

    void EnumEntries() override {
        calls << L("EnumEntries");
        if (program) {
            creatingAtEnum = program->flags.gCreatingProfile;
            entryCountAtEnum = program->flags.gEntryCount;
        }
    }
    void EnumConnections() override { emit EnumConnection(QString()); }
    void EditEntry(const QString& name) override { calls << L("EditEntry:") + name; }
    bool IsConnected() override { return false; }
    void CreateEntry() override { calls << L("CreateEntry"); }
    void HangUp(const QString&) override {}
    void Dial() override {}
};

struct Fixture {
    RecordingRas* ras = nullptr;
    std::unique_ptr<TestProgram> t;

    Fixture() {
        Seams seams;
        auto r = std::make_unique<RecordingRas>();
        ras = r.get();
        seams.ras = std::move(r);
        t = std::make_unique<TestProgram>(std::move(seams));
        ras->program = t->program.get();
    }
    Program& p() { return **t; }
    frmConfig& c() { return p().frmConfig(); }
    FakeMessageBoxes& boxes() { return *t->boxes; }
    // A phone-book entry listed in the console, with its credentials in gProfiles.
    void addProfile(const QString& name, const QString& user = {}, const QString& pw = {},
                    const QString& dom = {}) {
        p().settings.gProfiles.addProfile(name, user, pw, dom);
        c().listProfiles->addItem(name);
    }
    void select(const QString& name) {
        const auto items = c().listProfiles->findItems(name, Qt::MatchExactly);
        c().listProfiles->setCurrentItem(items.first());
    }
};

} // namespace

class tst_frmconfig : public QObject {
    Q_OBJECT
private slots:
    void opens_on_options_and_arrows_switch_tabs_data() {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("Connection to Cost") << L("Command2") << 0 << 1;
        QTest::newRow("Cost back to Connection") << L("Command3") << 1 << 0;
        QTest::newRow("Cost to Warnings") << L("Command1") << 1 << 2;
        QTest::newRow("Warnings back to Cost") << L("Command8") << 2 << 1;
        QTest::newRow("Warnings to Options") << L("Command7") << 2 << 3;
        QTest::newRow("Options back to Warnings") << L("Command9") << 3 << 2;
    }
    void opens_on_options_and_arrows_switch_tabs() {
        QFETCH(QString, arrow);
        QFETCH(int, from);
        QFETCH(int, to);
        Fixture f;
        QCOMPARE(f.c().SSTab1->currentIndex(), 3);
        QStringList tabs;
        for (int i = 0; i < f.c().SSTab1->count(); ++i)
            tabs << f.c().SSTab1->tabText(i);
        QCOMPARE(tabs, (QStringList{L("Connection"), L("Cost"), L("Warnings"), L("Options")}));
        auto* b = f.c().findChild<QPushButton*>(arrow);
        QVERIFY(b);
        QVERIFY(f.c().SSTab1->widget(from)->isAncestorOf(b));
        QVERIFY(b->text().isEmpty() && b->toolTip().isEmpty() && !b->icon().isNull());
        QVERIFY(!b->accessibleName().isEmpty());
        f.c().SSTab1->setCurrentIndex(from);
        b->click();
        QCOMPARE(f.c().SSTab1->currentIndex(), to);
    }

    void selection_shows_credentials_or_Empty() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), QString(), L("corp"));
        f.addProfile(L("Work"), QString(), L("pw"), QString());
        f.select(L("Home"));
        QCOMPARE(f.c().textUsername->text(), L("alice"));
        QCOMPARE(f.c().textPassword->text(), L("Empty"));
        QCOMPARE(f.c().textPassword->echoMode(), QLineEdit::Password); // masked: five mask characters
        QCOMPARE(f.c().textPassword->displayText(), L("*****"));
        QCOMPARE(f.c().textDomain->text(), L("corp"));
        f.select(L("Work"));
        QCOMPARE(f.c().textUsername->text(), L("Empty"));
        QCOMPARE(f.c().textPassword->text(), L("pw"));
        QCOMPARE(f.c().textDomain->text(), L("Empty"));
    }

    void actions_need_a_selection_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("dial") << L("cmdDial") << L("Select a Connection Profile first") << L("ModemTally");
        QTest::newRow("edit") << L("cmdEditProfile") << L("Select a Connection Profile first")
                              << L("ModemTally");
        QTest::newRow("make default")
            << L("cmdMakeDefault") << L("Select a Connection Profile first") << L("ModemTally");
        QTest::newRow("properties") << L("cmdProperties") << L("Select a connection profile first!")
                                    << L("Warning");
    }
    void actions_need_a_selection() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Fixture f;
        f.addProfile(L("Home"));
        const Settings before = f.p().settings;
        f.c().findChild<QPushButton*>(button)->click();
        QCOMPARE(f.boxes().shown.size(), 1);
        QCOMPARE(f.boxes().shown.first(), (Box{text, title, BoxIcon::Exclamation, BoxButtons::Ok}));
        QCOMPARE(f.p().settings, before);
        QVERIFY(f.ras->calls.isEmpty());
        QVERIFY(!f.p().frmDialSelected_loaded() || !f.p().frmDialSelected().isVisible());
        QCOMPARE(f.c().textDefault->text(), L("None"));
    }

    void make_default_then_none() {
        Fixture f;
        f.c().hideConnectDefaultGroup(); // as on the first run
        f.addProfile(L("Home"));
        f.select(L("Home"));
        f.c().cmdMakeDefault->click();
        Settings& s = f.p().settings;
        QCOMPARE(f.c().textDefault->text(), L("Home"));
        QCOMPARE(s.gDefaultProfile, L("Home"));
        QCOMPARE(s.gConnectDefault, kTrue);
        QVERIFY(f.c().optionConnectDefaultYes->isChecked());
        for (QWidget* w : {static_cast<QWidget*>(f.c().Label2), static_cast<QWidget*>(f.c().Label7),
                           static_cast<QWidget*>(f.c().optionConnectDefaultYes),
                           static_cast<QWidget*>(f.c().optionConnectDefaultNo),
                           static_cast<QWidget*>(f.c().Frame2), static_cast<QWidget*>(f.c().Label6)})
            QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
        QCOMPARE(f.p().frmStart().cmdConnectDefault->text(), L("Connect")); // only Save changes it

        f.c().cmdSetDefaultNone->click();
        QCOMPARE(f.c().textDefault->text(), L("None"));
        QCOMPARE(s.gDefaultProfile, L("None"));
        QCOMPARE(s.gConnectDefault, kFalse);
        QVERIFY(f.c().Label2->isHidden() && f.c().Label7->isHidden() && f.c().Frame2->isHidden() &&
                f.c().optionConnectDefaultYes->isHidden() && f.c().optionConnectDefaultNo->isHidden());
        QVERIFY(f.c().optionConnectDefaultYes->isChecked());
    }

    void prompt_question_follows_connect_default() {
        Fixture f;
        QVERIFY(f.c().Frame2->isHidden());
        f.c().optionConnectDefaultYes->click();
        QVERIFY(!f.c().Frame2->isHidden());
        QCOMPARE(f.p().settings.gConnectDefault, kTrue);
        f.c().optionYesPromptPassword->click();
        QCOMPARE(f.p().settings.gPromptPassword, kTrue);
        f.c().optionConnectDefaultNo->click();
        QVERIFY(f.c().Frame2->isHidden());
        QCOMPARE(f.p().settings.gConnectDefault, kFalse);
        f.c().optionConnectDefaultYes->click();
        QVERIFY(!f.c().Frame2->isHidden());
        QVERIFY(f.c().optionYesPromptPassword->isChecked());
        f.c().optionNoPromptPassword->click();
        QCOMPARE(f.p().settings.gPromptPassword, kFalse);
    }

    void dial_selected_fills_the_dial_dialog() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), L("secret"), QString());
        f.select(L("Home"));
        f.c().cmdDial->click();
        frmDialSelected& d = f.p().frmDialSelected();
        QCOMPARE(d.textDialProfilename->text(), L("Home"));
        QCOMPARE(d.textDialUsername->text(), L("alice"));
        QCOMPARE(d.textDialPassword->text(), L("secret"));
        QCOMPARE(d.textDialDomain->text(), QString());
        QVERIFY(d.isVisible());
        QVERIFY(!d.isModal());
    }

    // Modify moves the profile's four items to the end: the next saved file lists it last.
    void modify_moves_the_profile_to_the_end_of_the_file() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), L("old"), L("corp"));
        f.addProfile(L("Work"), L("bob"), L("pw"), QString());
        f.select(L("Home"));
        frmEditProfile& edit = f.p().frmEditProfile();
        bool wasModal = false;
        QTimer::singleShot(0, &edit, [&]() {
            wasModal = edit.isModal() && edit.isVisible();
            QCOMPARE(edit.textEditProfileName->text(), L("Home"));
            QCOMPARE(edit.textEditPassword->text(), L("old"));
            QCOMPARE(edit.textEditPassword->displayText(), L("***"));
            QVERIFY(edit.textEditProfileName->isReadOnly());
            edit.textEditPassword->setText(L("new"));
            edit.textEditDomain->clear();
            edit.cmdModifyProfile->click();
        });
        f.c().cmdEditProfile->click();
        QVERIFY(wasModal);
        QVERIFY(!edit.isVisible());
        QVERIFY(SettingsFile::write(f.p()));
        const QList<QByteArray> lines = f.t->readDataFile(L("cc.txt")).split('\n');
        QCOMPARE(lines.mid(1, 8),
                 (QList<QByteArray>{"Work\r", "bob\r", "pw\r", "\r", "Home\r", "alice\r", "new\r", "\r"}));
    }

    // After the selected profile is edited, a click on the same entry shows the new credentials.
    void click_on_the_selected_entry_refreshes_it() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), L("old"), L("corp"));
        f.c().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.c()));
        f.c().SSTab1->setCurrentIndex(0);
        f.select(L("Home"));
        QCOMPARE(f.c().textUsername->text(), L("alice"));
        f.p().settings.gProfiles.replaceProfile(L("Home"), L("carol"), L("new"), QString());
        QListWidget* list = f.c().listProfiles;
        const QRect item = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(f.c().textUsername->text(), L("carol"));
        QCOMPARE(f.c().textDomain->text(), L("Empty"));
    }

    void cancel_leaves_the_profile_and_help_is_modal() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), L("old"), QString());
        f.addProfile(L("Work"));
        f.select(L("Home"));
        const ProfileStore before = f.p().settings.gProfiles;
        frmEditProfile& edit = f.p().frmEditProfile();
        bool helpWasModal = false;
        QTimer::singleShot(0, &edit, [&]() {
            QTimer::singleShot(0, &edit, [&]() {
                frmHelpEdit& help = f.p().frmHelpEdit();
                helpWasModal = help.isVisible() && help.isModal();
                help.reject();
            });
            edit.cmdModifyHelp->click();
            edit.textEditUsername->setText(L("changed"));
            edit.cmdCancelModify->click();
        });
        f.c().cmdEditProfile->click();
        QVERIFY(helpWasModal);
        QCOMPARE(f.p().settings.gProfiles, before);
    }

    void properties_opens_the_entry_editor() {
        Fixture f;
        f.addProfile(L("Home"));
        f.select(L("Home"));
        f.c().cmdProperties->click();
        QCOMPARE(f.ras->calls, QStringList{L("EditEntry:Home")});
        QVERIFY(f.boxes().shown.isEmpty());
    }

    void new_connection_proceeds_in_order() {
        Fixture f;
        f.p().flags.gEntryCount = 3;
        f.c().cmdNewProfile->click();
        frmWarnNewConnection& notice = f.p().frmWarnNewConnection();
        QVERIFY(notice.isVisible());
        QVERIFY(f.ras->calls.isEmpty());
        notice.cmdProceed->click();
        QVERIFY(!notice.isVisible());
        QCOMPARE(f.ras->calls, (QStringList{L("CreateEntry"), L("EnumEntries")}));
        QCOMPARE(f.ras->creatingAtEnum, kTrue);
        QCOMPARE(f.ras->entryCountAtEnum, 4);
        QCOMPARE(f.p().flags.gEntryCount, qint16(4));

        f.ras->calls.clear();
        f.c().cmdNewProfile->click();
        notice.cmdCancel->click();
        QVERIFY(!notice.isVisible());
        QVERIFY(f.ras->calls.isEmpty());
        QCOMPARE(f.p().flags.gEntryCount, qint16(4));
    }

    void cost_tab_switches() {
        Fixture f;
        frmConfig& c = f.c();
        Settings& s = f.p().settings;
        QVERIFY(!c.optionCPH->isChecked() && !c.optionCPM->isChecked());
        c.textFreeHour->setText(L("12"));
        c.checkUnlimitedConnection->click();
        QCOMPARE(s.gUnlimitedTime, kTrue);
        QVERIFY(c.Frame4->isHidden() && c.Frame5->isHidden());
        c.checkUnlimitedConnection->click();
        QCOMPARE(s.gUnlimitedTime, kFalse);
        QVERIFY(!c.Frame4->isHidden() && !c.Frame5->isHidden());
        QCOMPARE(c.textFreeHour->text(), L("12"));
        c.optionCPM->click();
        c.optionCPH->click();
        QCOMPARE(s.gCostPerHour, kTrue);
        QCOMPARE(s.gCostPerMinute, kFalse);
        c.optionCPM->click();
        QCOMPARE(s.gCostPerHour, kFalse);
        QCOMPARE(s.gCostPerMinute, kTrue);
    }

    void warning_boxes_enable_their_fields_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("time per connection")
            << L("checkWarnTimePC") << L("textWarnTimePCh") << L("textWarnTimePCm");
        QTest::newRow("time per month")
            << L("checkWarnTimePM") << L("textWarnTimePMh") << L("textWarnTimePMm");
        QTest::newRow("cost per connection")
            << L("checkWarnCostPC") << L("textWarnCostPCd") << L("textWarnCostPCc");
        QTest::newRow("cost per month")
            << L("checkWarnCostPM") << L("textWarnCostPMd") << L("textWarnCostPMc");
    }
    void warning_boxes_enable_their_fields() {
        QFETCH(QString, box);
        QFETCH(QString, first);
        QFETCH(QString, second);
        Fixture f;
        frmConfig& c = f.c();
        Settings& s = f.p().settings;
        const QHash<QString, QString*> flags{{L("checkWarnTimePC"), &s.gWarnTimePC},
                                             {L("checkWarnTimePM"), &s.gWarnTimePM},
                                             {L("checkWarnCostPC"), &s.gWarnCostPC},
                                             {L("checkWarnCostPM"), &s.gWarnCostPM}};
        auto* check = c.findChild<QCheckBox*>(box);
        auto* a = c.findChild<QLineEdit*>(first);
        auto* b = c.findChild<QLineEdit*>(second);
        a->setText(L("9"));
        check->click();
        QCOMPARE(*flags[box], kTrue);
        QVERIFY(a->isEnabled() && b->isEnabled());
        check->click();
        QCOMPARE(*flags[box], kFalse);
        QVERIFY(!a->isEnabled() && !b->isEnabled());
        QCOMPARE(a->text(), L("9"));
    }

    void number_fields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("stored"); // the setting afterwards, as text; empty: rejected
        QTest::newRow("dollars kept as trimmed text") << L("textVarDollar") << L(" 1.25 ") << 1 << L("1.25");
        QTest::newRow("cents kept as trimmed text") << L("textVarCent") << L(" 7") << 1 << L("7");
        QTest::newRow("letters in free hours") << L("textFreeHour") << L("abc") << 1 << QString();
        QTest::newRow("free minutes") << L("textFreeMinute") << L("45") << 1 << L("45");
        QTest::newRow("2.5 hours rounds to 2") << L("textWarnTimePCh") << L("2.5") << 2 << L("2");
        QTest::newRow("3.5 hours rounds to 4") << L("textWarnTimePCh") << L("3.5") << 2 << L("4");
        QTest::newRow("empty minutes rejected") << L("textWarnTimePCm") << QString() << 2 << QString();
        QTest::newRow("negative month hours") << L("textWarnTimePMh") << L("-3") << 2 << L("-3");
        QTest::newRow("exponent") << L("textWarnTimePMh") << L("1e1") << 2 << L("10");
        QTest::newRow("month minutes") << L("textWarnTimePMm") << L("59") << 2 << L("59");
        QTest::newRow("connection dollars") << L("textWarnCostPCd") << L("12") << 2 << L("12");
        QTest::newRow("connection cents") << L("textWarnCostPCc") << L("99") << 2 << L("99");
        QTest::newRow("month dollars beyond 16 bits") << L("textWarnCostPMd") << L("32768") << 2 << QString();
        QTest::newRow("month cents") << L("textWarnCostPMc") << L("75") << 2 << L("75");
        QTest::newRow("redial attempts") << L("textRedialNumber") << L("5") << 3 << L("5");
        QTest::newRow("empty reminder rejected") << L("textReminder") << QString() << 3 << QString();
    }
    // The rule on focus loss: stored, or the "Invalid fields" box, the field's tab made current and
    // the focus back in the field, with the setting and the text as they were.
    void number_fields() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, tab);
        QFETCH(QString, stored);
        Fixture f;
        frmConfig& c = f.c();
        Settings& s = f.p().settings;
        s.gFreeHours = L("8");
        const QHash<QString, std::function<QString()>> setting{
            {L("textVarDollar"), [&] { return s.gCostDollars; }},
            {L("textVarCent"), [&] { return s.gCostCents; }},
            {L("textFreeHour"), [&] { return s.gFreeHours; }},
            {L("textFreeMinute"), [&] { return QString::number(s.gFreeMinutes); }},
            {L("textWarnTimePCh"), [&] { return s.gWarnTimePCHours; }},
            {L("textWarnTimePCm"), [&] { return QString::number(s.gWarnTimePCMinutes); }},
            {L("textWarnTimePMh"), [&] { return s.gWarnTimePMHours; }},
            {L("textWarnTimePMm"), [&] { return QString::number(s.gWarnTimePMMinutes); }},
            {L("textWarnCostPCd"), [&] { return s.gWarnCostPCDollars; }},
            {L("textWarnCostPCc"), [&] { return QString::number(s.gWarnCostPCCents); }},
            {L("textWarnCostPMd"), [&] { return s.gWarnCostPMDollars; }},
            {L("textWarnCostPMc"), [&] { return QString::number(s.gWarnCostPMCents); }},
            {L("textRedialNumber"), [&] { return QString::number(s.gRedialMax); }},
            {L("textReminder"), [&] { return QString::number(s.gReminderInterval); }},
        };
        QCOMPARE(c.numericFields().size(), setting.size());
        auto* edit = c.findChild<QLineEdit*>(field);
        QVERIFY(edit && c.numericFields().contains(edit));
        QVERIFY(c.SSTab1->widget(tab)->isAncestorOf(edit));
        c.show();
        const QString before = setting[field]();
        c.SSTab1->setCurrentIndex(tab == 3 ? 0 : 3);
        edit->setText(text);
        const bool accepted = c.numericField_LostFocus(edit);
        QCOMPARE(edit->text(), text); // left as typed either way
        if (!stored.isEmpty()) {
            QVERIFY(accepted);
            QCOMPARE(setting[field](), stored);
            QVERIFY(f.boxes().shown.isEmpty());
            return;
        }
        QVERIFY(!accepted);
        QCOMPARE(setting[field](), before);
        QCOMPARE(f.boxes().shown.size(), 1);
        QCOMPARE(f.boxes().shown.first(), (Box{L("Please enter numeric values i.e. 0-9"), L("Invalid fields"),
                                               BoxIcon::Exclamation, BoxButtons::Ok}));
        QCOMPARE(c.SSTab1->currentIndex(), tab);
        QCOMPARE(c.focusWidget(), edit);
    }

    // Leaving the field by Tab or click runs the rule; the window losing the focus does not.
    void focus_loss_runs_the_rule_once_the_focus_settles() {
        Fixture f;
        frmConfig& c = f.c();
        c.textFreeHour->setText(L("abc"));
        QFocusEvent toOtherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(c.textFreeHour, &toOtherWindow);
        QCoreApplication::processEvents();
        QVERIFY(f.boxes().shown.isEmpty());
        QFocusEvent byTab(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(c.textFreeHour, &byTab);
        QVERIFY(f.boxes().shown.isEmpty()); // not inside the focus change itself
        QCoreApplication::processEvents();
        QCOMPARE(f.boxes().texts(), QStringList{L("Please enter numeric values i.e. 0-9")});
    }

    // Pressing Save straight from a bad field: the field's check comes first and stops the save.
    void save_waits_for_the_field_just_left() {
        Fixture f;
        frmConfig& c = f.c();
        c.show();
        c.textFreeHour->setText(L("ten"));
        QFocusEvent byMouse(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(c.textFreeHour, &byMouse);
        c.cmdSave->click();
        QCOMPARE(f.boxes().texts(), QStringList{L("Please enter numeric values i.e. 0-9")});
        QVERIFY(!QFile::exists(f.t->dataPath(L("cc.txt"))));
        QVERIFY(c.isVisible());
        QCOMPARE(c.SSTab1->currentIndex(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(f.boxes().shown.size(), 1); // checked once, not again later

        c.textFreeHour->setText(L("10"));
        QApplication::sendEvent(c.textFreeHour, &byMouse);
        c.cmdSave->click();
        QCOMPARE(f.p().settings.gFreeHours, L("10"));
        QVERIFY(QFile::exists(f.t->dataPath(L("cc.txt"))));
        QVERIFY(!c.isVisible());
    }

    // Two rejected fields must not send the focus back and forth for ever: the focus leaving the
    // second field because the first takes it back is not checked.
    void two_bad_fields_do_not_ping_pong() {
        Fixture f;
        frmConfig& c = f.c();
        c.show();
        c.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        c.textRedialNumber->setText(L("x"));
        c.textReminder->setText(QString()); // empty: also not a number
        c.textRedialNumber->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        c.textReminder->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(f.boxes().shown.size(), 1);
        QCOMPARE(QApplication::focusWidget(), c.textRedialNumber);
    }

    void plain_option_boxes_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("keep-alive") << L("checkSimulate");
        QTest::newRow("cost after hang-up") << L("checkConnectionCost");
        QTest::newRow("auto-dial") << L("checkAutoDial");
        QTest::newRow("timer window") << L("checkDisplayTimer");
        QTest::newRow("free time warning") << L("checkWarnFreeTime");
        QTest::newRow("sound") << L("checkPlaySound");
        QTest::newRow("browser") << L("checkLaunchBrowser");
        QTest::newRow("reminder") << L("checkActivateReminder");
    }
    void plain_option_boxes() {
        QFETCH(QString, box);
        Fixture f;
        Settings& s = f.p().settings;
        const QHash<QString, QString*> flags{
            {L("checkSimulate"), &s.gKeepAlive},          {L("checkConnectionCost"), &s.gShowCost},
            {L("checkAutoDial"), &s.gAutoDial},           {L("checkDisplayTimer"), &s.gDisplayTimer},
            {L("checkWarnFreeTime"), &s.gWarnFreeTime},   {L("checkPlaySound"), &s.gPlaySound},
            {L("checkLaunchBrowser"), &s.gLaunchBrowser}, {L("checkActivateReminder"), &s.gReminderOn}};
        auto* check = f.c().findChild<QCheckBox*>(box);
        QVERIFY(!check->isChecked());
        check->click();
        QCOMPARE(*flags[box], kTrue);
        check->setChecked(false); // from code: the same behaviour as a click
        QCOMPARE(*flags[box], kFalse);
    }

    void options_enable_their_neighbours() {
        Fixture f;
        frmConfig& c = f.c();
        Settings& s = f.p().settings;
        c.checkPlaySound->click();
        QVERIFY(c.cmdShowSound->isEnabled());
        c.checkPlaySound->click();
        QVERIFY(!c.cmdShowSound->isEnabled());

        c.textStartURL->setText(L("  news.example  "));
        QCOMPARE(s.gStartURL, L("news.example"));
        QCOMPARE(c.textStartURL->text(), L("  news.example  "));
        c.checkLaunchBrowser->click();
        QVERIFY(c.textStartURL->isEnabled());
        c.checkLaunchBrowser->click();
        QVERIFY(!c.textStartURL->isEnabled());
        QCOMPARE(s.gStartURL, L("news.example"));

        c.optionRedialForXTimes->click();
        QCOMPARE(s.gRedialLimited, kTrue);
        QCOMPARE(s.gRedialTillConnect, kFalse);
        QVERIFY(c.textRedialNumber->isEnabled());
        c.optionRedialTillConnect->click();
        QCOMPARE(s.gRedialLimited, kFalse);
        QCOMPARE(s.gRedialTillConnect, kTrue);
        QVERIFY(!c.textRedialNumber->isEnabled());
        QCOMPARE(c.textRedialNumber->text(), L("3"));

        c.checkActivateReminder->click();
        c.optionReminderMinute->click();
        QCOMPARE(s.gReminderInMinutes, kTrue);
        QCOMPARE(s.gReminderInHours, kFalse);
        c.checkActivateReminder->click();
        QVERIFY(!c.textReminder->isEnabled() && !c.optionReminderMinute->isEnabled() &&
                !c.optionReminderHour->isEnabled());
        QVERIFY(c.optionReminderMinute->isChecked());
        c.checkActivateReminder->click();
        c.optionReminderHour->click();
        QCOMPARE(s.gReminderInHours, kTrue);
        QCOMPARE(s.gReminderInMinutes, kFalse);
    }

    void option_buttons_open_their_windows() {
        Fixture f;
        f.c().checkPlaySound->click();
        f.c().cmdShowSound->click();
        QVERIFY(f.p().frmSound().isVisible());
        f.c().cmdCreateShort->click();
        QVERIFY(f.p().frmCreateShortcut().isVisible());
    }

    void save_sets_the_connect_caption_data() {
        QTest::addColumn<QString>("defaultProfile");
        QTest::addColumn<QString>("connectDefault");
        QTest::addColumn<QString>("caption");
        QTest::newRow("default dialed") << L("Home") << L("true") << L("Connect to Home");
        QTest::newRow("choose each time") << L("Home") << L("false") << L("Connect");
        QTest::newRow("no default") << L("None") << L("true") << L("Connect");
    }
    void save_sets_the_connect_caption() {
        QFETCH(QString, defaultProfile);
        QFETCH(QString, connectDefault);
        QFETCH(QString, caption);
        Fixture f;
        frmConfig& c = f.c();
        c.setCloseEnabled(false); // the first run
        c.show();
        f.p().frmStart().hide();
        f.p().settings.gDefaultProfile = defaultProfile;
        f.p().settings.gConnectDefault = connectDefault;
        f.p().settings.gFirstRun = kTrue;
        c.textStartURL->setText(L(" spaced.example "));
        c.textRedialNumber->setText(L("x"));
        c.cmdSave->click();

        QCOMPARE(f.boxes().shown, (QList<Box>{Box{L("Save Successful!"), L("ModemTally"),
                                                  BoxIcon::Information, BoxButtons::Ok}}));
        QPushButton* connect = f.p().frmStart().cmdConnectDefault;
        QCOMPARE(connect->text(), caption);
        QVERIFY(connect->isDefault());
        QVERIFY(f.p().frmStart().isVisible());
        QVERIFY(!c.isVisible());
        QVERIFY(c.cmdCloseConfigurationConsole->isEnabled());
        QCOMPARE(f.p().settings.gFirstRun, kFalse);
        // The start page and the attempts are written as the boxes show them.
        const QList<QByteArray> lines = f.t->readDataFile(L("cc.txt")).split('\n');
        QVERIFY(lines.contains(" spaced.example \r"));
        QCOMPARE(lines.at(lines.indexOf("##Redial Number##\r") + 3), QByteArray("x\r"));
    }

    void failed_save_says_so_and_keeps_the_console_open() {
        Fixture f;
        frmConfig& c = f.c();
        c.setCloseEnabled(false);
        c.show();
        f.p().frmStart().hide();
        f.p().settings.gDefaultProfile = L("Home");
        f.p().settings.gConnectDefault = kTrue;
        QVERIFY(QDir(f.t->dir.path()).mkdir(L("cc.txt")));
        c.cmdSave->click();

        QCOMPARE(f.boxes().shown.size(), 1);
        const Box box = f.boxes().shown.first();
        QCOMPARE(box.icon, BoxIcon::Critical);
        QVERIFY(box.text.contains(L("could not be saved")));
        QVERIFY(!box.text.contains(L("Save Successful!")));
        QVERIFY(c.isVisible());
        QVERIFY(!c.cmdCloseConfigurationConsole->isEnabled());
        QVERIFY(!f.p().frmStart().isVisible());
        QCOMPARE(f.p().frmStart().cmdConnectDefault->text(), L("Connect"));
        QCOMPARE(f.p().settings.gFirstRun, kTrue);
    }

    void close_asks_then_the_marker_silences_it() {
        Fixture f;
        frmConfig& c = f.c();
        c.show();
        f.p().frmStart().hide();
        c.cmdCloseConfigurationConsole->click();
        frmCloseConfig& ask = f.p().frmCloseConfig();
        QVERIFY(ask.isVisible());
        QVERIFY(c.isVisible());
        ask.cmdNoClose->click();
        QVERIFY(!ask.isVisible());
        QVERIFY(c.isVisible());

        c.cmdCloseConfigurationConsole->click();
        QVERIFY(ask.isVisible());
        QVERIFY(!ask.checkRemoveCloseReminder->isChecked());
        ask.checkRemoveCloseReminder->click();
        ask.cmdYesClose->click();
        QVERIFY(!ask.isVisible() && !c.isVisible());
        QVERIFY(f.p().frmStart().isVisible());
        QCOMPARE(f.t->readDataFile(L("cc1.txt")), QByteArray("##REMOVE REMINDER##\r\n"));
        QVERIFY(f.p().frmCloseConfig_loaded()); // hidden, not destroyed
        QVERIFY(ask.checkRemoveCloseReminder->isChecked());

        // With the marker: hidden at once, no question, and the main console left as it was.
        f.p().frmStart().hide();
        c.show();
        c.cmdCloseConfigurationConsole->click();
        QVERIFY(!c.isVisible());
        QVERIFY(!ask.isVisible());
        QVERIFY(!f.p().frmStart().isVisible());
        QVERIFY(f.boxes().shown.isEmpty());
    }

    void marker_that_cannot_be_written_is_reported() {
        Fixture f;
        QVERIFY(QDir(f.t->dir.path()).mkdir(L("cc1.txt")));
        f.c().show();
        f.c().cmdCloseConfigurationConsole->click();
        frmCloseConfig& ask = f.p().frmCloseConfig();
        QVERIFY(ask.isVisible());
        ask.checkRemoveCloseReminder->click();
        ask.cmdYesClose->click();
        QCOMPARE(f.boxes().shown.size(), 1);
        QVERIFY(f.boxes().shown.first().text.contains(L("cc1.txt")));
        QVERIFY(!f.c().isVisible());
    }

    void close_box_acts_like_close() {
        Fixture f;
        frmConfig& c = f.c();
        c.show();
        c.setCloseEnabled(false);
        c.closeBox_Click();
        QVERIFY(c.isVisible());
        QVERIFY(!f.p().frmCloseConfig_loaded());
        c.setCloseEnabled(true);
        c.closeBox_Click();
        QVERIFY(f.p().frmCloseConfig().isVisible());
        // The program closing its windows on Exit is not the user's close box.
        f.p().frmCloseConfig().hide();
        c.close();
        QVERIFY(!c.isVisible());
        QVERIFY(!f.p().frmCloseConfig().isVisible());
    }
};

QTEST_MAIN(tst_frmconfig)
#include "tst_frmconfig.moc"
