#include "config/frmCloseConfig.h"
#include "config/frmConfig.h"
#include "config/frmEditProfile.h"
#include "config/frmWarnNewConnection.h"
#include "console/frmStart.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "dialing/frmDialSelected.h"
#include "monitor/frmCreateShortcut.h"
#include "monitor/frmHelpEdit.h"
#include "monitor/frmSound.h"
#include "support/FakeRas.h"
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

struct Fixture {
    FakeRas* ras = nullptr;
    std::unique_ptr<TestProgram> t;
    // The creation flags as they stand when the phone book is listed.
    bool creatingAtEnum = false;
    int entryCountAtEnum = -1;

    Fixture() {
        Seams seams;
        auto r = std::make_unique<FakeRas>();
        ras = r.get();
        seams.ras = std::move(r);
        t = std::make_unique<TestProgram>(std::move(seams));
        ras->onEnumEntries = [this] {
            creatingAtEnum = p().flags.gCreatingProfile;
            entryCountAtEnum = p().flags.gEntryCount;
        };
    }
    Program& p() { return **t; }
    Windows& w() { return t->ui(); }
    frmConfig& c() { return w().frmConfig(); }
    FakeMessageBoxes& boxes() { return *t->boxes; }
    // A phone-book entry listed in the console, with its credentials in gProfiles.
    void addProfile(const QString& name, const QString& user = {}, const QString& pw = {},
                    const QString& dom = {}) {
        p().settings.gProfiles.addProfile(name, user, pw, dom);
        ctl<QListWidget>(c(), "listProfiles")->addItem(name);
    }
    void select(const QString& name) {
        const auto items = ctl<QListWidget>(c(), "listProfiles")->findItems(name, Qt::MatchExactly);
        ctl<QListWidget>(c(), "listProfiles")->setCurrentItem(items.first());
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
        QCOMPARE(ctl<QTabWidget>(f.c(), "SSTab1")->currentIndex(), 3);
        QStringList tabs;
        for (int i = 0; i < ctl<QTabWidget>(f.c(), "SSTab1")->count(); ++i)
            tabs << ctl<QTabWidget>(f.c(), "SSTab1")->tabText(i);
        QCOMPARE(tabs, (QStringList{L("Connection"), L("Cost"), L("Warnings"), L("Options")}));
        auto* b = f.c().findChild<QPushButton*>(arrow);
        QVERIFY(b);
        QVERIFY(ctl<QTabWidget>(f.c(), "SSTab1")->widget(from)->isAncestorOf(b));
        QVERIFY(b->text().isEmpty() && b->toolTip().isEmpty() && !b->icon().isNull());
        QVERIFY(!b->accessibleName().isEmpty());
        ctl<QTabWidget>(f.c(), "SSTab1")->setCurrentIndex(from);
        b->click();
        QCOMPARE(ctl<QTabWidget>(f.c(), "SSTab1")->currentIndex(), to);
    }

    void selection_shows_credentials_or_Empty() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), QString(), L("corp"));
        f.addProfile(L("Work"), QString(), L("pw"), QString());
        f.select(L("Home"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textUsername")->text(), L("alice"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textPassword")->text(), L("Empty"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textPassword")->echoMode(),
                 QLineEdit::Password); // masked: five mask characters
        QCOMPARE(ctl<QLineEdit>(f.c(), "textPassword")->displayText(), L("*****"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textDomain")->text(), L("corp"));
        f.select(L("Work"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textUsername")->text(), L("Empty"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textPassword")->text(), L("pw"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textDomain")->text(), L("Empty"));
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
        QVERIFY(!f.w().frmDialSelected_loaded() || !f.w().frmDialSelected().isVisible());
        QCOMPARE(ctl<QLineEdit>(f.c(), "textDefault")->text(), L("None"));
    }

    void make_default_then_none() {
        Fixture f;
        f.c().hideConnectDefaultGroup(); // as on the first run
        f.addProfile(L("Home"));
        f.select(L("Home"));
        ctl<QPushButton>(f.c(), "cmdMakeDefault")->click();
        Settings& s = f.p().settings;
        QCOMPARE(ctl<QLineEdit>(f.c(), "textDefault")->text(), L("Home"));
        QCOMPARE(s.gDefaultProfile, L("Home"));
        QCOMPARE(s.gConnectDefault, kTrue);
        QVERIFY(ctl<QRadioButton>(f.c(), "optionConnectDefaultYes")->isChecked());
        for (QWidget* w : {static_cast<QWidget*>(ctl<QLabel>(f.c(), "Label2")),
                           static_cast<QWidget*>(ctl<QLabel>(f.c(), "Label7")),
                           static_cast<QWidget*>(ctl<QRadioButton>(f.c(), "optionConnectDefaultYes")),
                           static_cast<QWidget*>(ctl<QRadioButton>(f.c(), "optionConnectDefaultNo")),
                           static_cast<QWidget*>(ctl<QGroupBox>(f.c(), "Frame2")),
                           static_cast<QWidget*>(ctl<QLabel>(f.c(), "Label6"))})
            QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
        QCOMPARE(ctl<QPushButton>(f.w().frmStart(), "cmdConnectDefault")->text(),
                 L("Connect")); // only Save changes it

        ctl<QPushButton>(f.c(), "cmdSetDefaultNone")->click();
        QCOMPARE(ctl<QLineEdit>(f.c(), "textDefault")->text(), L("None"));
        QCOMPARE(s.gDefaultProfile, L("None"));
        QCOMPARE(s.gConnectDefault, kFalse);
        QVERIFY(ctl<QLabel>(f.c(), "Label2")->isHidden() && ctl<QLabel>(f.c(), "Label7")->isHidden() &&
                ctl<QGroupBox>(f.c(), "Frame2")->isHidden() &&
                ctl<QRadioButton>(f.c(), "optionConnectDefaultYes")->isHidden() &&
                ctl<QRadioButton>(f.c(), "optionConnectDefaultNo")->isHidden());
        QVERIFY(ctl<QRadioButton>(f.c(), "optionConnectDefaultYes")->isChecked());
    }

    void prompt_question_follows_connect_default() {
        Fixture f;
        QVERIFY(ctl<QGroupBox>(f.c(), "Frame2")->isHidden());
        ctl<QRadioButton>(f.c(), "optionConnectDefaultYes")->click();
        QVERIFY(!ctl<QGroupBox>(f.c(), "Frame2")->isHidden());
        QCOMPARE(f.p().settings.gConnectDefault, kTrue);
        ctl<QRadioButton>(f.c(), "optionYesPromptPassword")->click();
        QCOMPARE(f.p().settings.gPromptPassword, kTrue);
        ctl<QRadioButton>(f.c(), "optionConnectDefaultNo")->click();
        QVERIFY(ctl<QGroupBox>(f.c(), "Frame2")->isHidden());
        QCOMPARE(f.p().settings.gConnectDefault, kFalse);
        ctl<QRadioButton>(f.c(), "optionConnectDefaultYes")->click();
        QVERIFY(!ctl<QGroupBox>(f.c(), "Frame2")->isHidden());
        QVERIFY(ctl<QRadioButton>(f.c(), "optionYesPromptPassword")->isChecked());
        ctl<QRadioButton>(f.c(), "optionNoPromptPassword")->click();
        QCOMPARE(f.p().settings.gPromptPassword, kFalse);
    }

    void dial_selected_fills_the_dial_dialog() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), L("secret"), QString());
        f.select(L("Home"));
        ctl<QPushButton>(f.c(), "cmdDial")->click();
        frmDialSelected& d = f.w().frmDialSelected();
        QCOMPARE(ctl<QLineEdit>(d, "textDialProfilename")->text(), L("Home"));
        QCOMPARE(ctl<QLineEdit>(d, "textDialUsername")->text(), L("alice"));
        QCOMPARE(ctl<QLineEdit>(d, "textDialPassword")->text(), L("secret"));
        QCOMPARE(ctl<QLineEdit>(d, "textDialDomain")->text(), QString());
        QVERIFY(d.isVisible());
        QVERIFY(!d.isModal());
    }

    // Modify moves the profile's four items to the end: the next saved file lists it last.
    void modify_moves_the_profile_to_the_end_of_the_file() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), L("old"), L("corp"));
        f.addProfile(L("Work"), L("bob"), L("pw"), QString());
        f.select(L("Home"));
        frmEditProfile& edit = f.w().frmEditProfile();
        bool wasModal = false;
        QTimer::singleShot(0, &edit, [&]() {
            wasModal = edit.isModal() && edit.isVisible();
            QCOMPARE(ctl<QLineEdit>(edit, "textEditProfileName")->text(), L("Home"));
            QCOMPARE(ctl<QLineEdit>(edit, "textEditPassword")->text(), L("old"));
            QCOMPARE(ctl<QLineEdit>(edit, "textEditPassword")->displayText(), L("***"));
            QVERIFY(ctl<QLineEdit>(edit, "textEditProfileName")->isReadOnly());
            ctl<QLineEdit>(edit, "textEditPassword")->setText(L("new"));
            ctl<QLineEdit>(edit, "textEditDomain")->clear();
            ctl<QPushButton>(edit, "cmdModifyProfile")->click();
        });
        ctl<QPushButton>(f.c(), "cmdEditProfile")->click();
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
        ctl<QTabWidget>(f.c(), "SSTab1")->setCurrentIndex(0);
        f.select(L("Home"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textUsername")->text(), L("alice"));
        f.p().settings.gProfiles.replaceProfile(L("Home"), L("carol"), L("new"), QString());
        QListWidget* list = ctl<QListWidget>(f.c(), "listProfiles");
        const QRect item = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(ctl<QLineEdit>(f.c(), "textUsername")->text(), L("carol"));
        QCOMPARE(ctl<QLineEdit>(f.c(), "textDomain")->text(), L("Empty"));
    }

    void cancel_leaves_the_profile_and_help_is_modal() {
        Fixture f;
        f.addProfile(L("Home"), L("alice"), L("old"), QString());
        f.addProfile(L("Work"));
        f.select(L("Home"));
        const ProfileStore before = f.p().settings.gProfiles;
        frmEditProfile& edit = f.w().frmEditProfile();
        bool helpWasModal = false;
        QTimer::singleShot(0, &edit, [&]() {
            QTimer::singleShot(0, &edit, [&]() {
                frmHelpEdit& help = f.w().frmHelpEdit();
                helpWasModal = help.isVisible() && help.isModal();
                help.reject();
            });
            ctl<QPushButton>(edit, "cmdModifyHelp")->click();
            ctl<QLineEdit>(edit, "textEditUsername")->setText(L("changed"));
            ctl<QPushButton>(edit, "cmdCancelModify")->click();
        });
        ctl<QPushButton>(f.c(), "cmdEditProfile")->click();
        QVERIFY(helpWasModal);
        QCOMPARE(f.p().settings.gProfiles, before);
    }

    void properties_opens_the_entry_editor() {
        Fixture f;
        f.addProfile(L("Home"));
        f.select(L("Home"));
        ctl<QPushButton>(f.c(), "cmdProperties")->click();
        QCOMPARE(f.ras->calls, QStringList{L("EditEntry Home")});
        QVERIFY(f.boxes().shown.isEmpty());
    }

    void new_connection_proceeds_in_order() {
        Fixture f;
        f.p().flags.gEntryCount = 3;
        ctl<QPushButton>(f.c(), "cmdNewProfile")->click();
        frmWarnNewConnection& notice = f.w().frmWarnNewConnection();
        QVERIFY(notice.isVisible());
        QVERIFY(f.ras->calls.isEmpty());
        ctl<QPushButton>(notice, "cmdProceed")->click();
        QVERIFY(!notice.isVisible());
        QCOMPARE(f.ras->calls, (QStringList{L("CreateEntry"), L("EnumEntries")}));
        QCOMPARE(f.creatingAtEnum, true);
        QCOMPARE(f.entryCountAtEnum, 4);
        QCOMPARE(f.p().flags.gEntryCount, qint16(4));

        f.ras->calls.clear();
        ctl<QPushButton>(f.c(), "cmdNewProfile")->click();
        ctl<QPushButton>(notice, "cmdCancel")->click();
        QVERIFY(!notice.isVisible());
        QVERIFY(f.ras->calls.isEmpty());
        QCOMPARE(f.p().flags.gEntryCount, qint16(4));
    }

    void cost_tab_switches() {
        Fixture f;
        frmConfig& c = f.c();
        Settings& s = f.p().settings;
        QVERIFY(!ctl<QRadioButton>(c, "optionCPH")->isChecked() &&
                !ctl<QRadioButton>(c, "optionCPM")->isChecked());
        ctl<QLineEdit>(c, "textFreeHour")->setText(L("12"));
        ctl<QCheckBox>(c, "checkUnlimitedConnection")->click();
        QCOMPARE(s.gUnlimitedTime, kTrue);
        QVERIFY(ctl<QGroupBox>(c, "Frame4")->isHidden() && ctl<QGroupBox>(c, "Frame5")->isHidden());
        ctl<QCheckBox>(c, "checkUnlimitedConnection")->click();
        QCOMPARE(s.gUnlimitedTime, kFalse);
        QVERIFY(!ctl<QGroupBox>(c, "Frame4")->isHidden() && !ctl<QGroupBox>(c, "Frame5")->isHidden());
        QCOMPARE(ctl<QLineEdit>(c, "textFreeHour")->text(), L("12"));
        ctl<QRadioButton>(c, "optionCPM")->click();
        ctl<QRadioButton>(c, "optionCPH")->click();
        QCOMPARE(s.gCostPerHour, kTrue);
        QCOMPARE(s.gCostPerMinute, kFalse);
        ctl<QRadioButton>(c, "optionCPM")->click();
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
        QVERIFY(ctl<QTabWidget>(c, "SSTab1")->widget(tab)->isAncestorOf(edit));
        c.show();
        const QString before = setting[field]();
        ctl<QTabWidget>(c, "SSTab1")->setCurrentIndex(tab == 3 ? 0 : 3);
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
        QCOMPARE(ctl<QTabWidget>(c, "SSTab1")->currentIndex(), tab);
        QCOMPARE(c.focusWidget(), edit);
    }

    // Leaving the field by Tab or click runs the rule; the window losing the focus does not.
    void focus_loss_runs_the_rule_once_the_focus_settles() {
        Fixture f;
        frmConfig& c = f.c();
        ctl<QLineEdit>(c, "textFreeHour")->setText(L("abc"));
        QFocusEvent toOtherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(ctl<QLineEdit>(c, "textFreeHour"), &toOtherWindow);
        QCoreApplication::processEvents();
        QVERIFY(f.boxes().shown.isEmpty());
        QFocusEvent byTab(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(ctl<QLineEdit>(c, "textFreeHour"), &byTab);
        QVERIFY(f.boxes().shown.isEmpty()); // not inside the focus change itself
        QCoreApplication::processEvents();
        QCOMPARE(f.boxes().texts(), QStringList{L("Please enter numeric values i.e. 0-9")});
    }

    // Pressing Save straight from a bad field: the field's check comes first and stops the save.
    void save_waits_for_the_field_just_left() {
        Fixture f;
        frmConfig& c = f.c();
        c.show();
        ctl<QLineEdit>(c, "textFreeHour")->setText(L("ten"));
        QFocusEvent byMouse(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(ctl<QLineEdit>(c, "textFreeHour"), &byMouse);
        ctl<QPushButton>(c, "cmdSave")->click();
        QCOMPARE(f.boxes().texts(), QStringList{L("Please enter numeric values i.e. 0-9")});
        QVERIFY(!QFile::exists(f.t->dataPath(L("cc.txt"))));
        QVERIFY(c.isVisible());
        QCOMPARE(ctl<QTabWidget>(c, "SSTab1")->currentIndex(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(f.boxes().shown.size(), 1); // checked once, not again later

        ctl<QLineEdit>(c, "textFreeHour")->setText(L("10"));
        QApplication::sendEvent(ctl<QLineEdit>(c, "textFreeHour"), &byMouse);
        ctl<QPushButton>(c, "cmdSave")->click();
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
        ctl<QLineEdit>(c, "textRedialNumber")->setText(L("x"));
        ctl<QLineEdit>(c, "textReminder")->setText(QString()); // empty: also not a number
        ctl<QLineEdit>(c, "textRedialNumber")->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        ctl<QLineEdit>(c, "textReminder")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(f.boxes().shown.size(), 1);
        QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(c, "textRedialNumber"));
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
        ctl<QCheckBox>(c, "checkPlaySound")->click();
        QVERIFY(ctl<QPushButton>(c, "cmdShowSound")->isEnabled());
        ctl<QCheckBox>(c, "checkPlaySound")->click();
        QVERIFY(!ctl<QPushButton>(c, "cmdShowSound")->isEnabled());

        ctl<QLineEdit>(c, "textStartURL")->setText(L("  news.example  "));
        QCOMPARE(s.gStartURL, L("news.example"));
        QCOMPARE(ctl<QLineEdit>(c, "textStartURL")->text(), L("  news.example  "));
        ctl<QCheckBox>(c, "checkLaunchBrowser")->click();
        QVERIFY(ctl<QLineEdit>(c, "textStartURL")->isEnabled());
        ctl<QCheckBox>(c, "checkLaunchBrowser")->click();
        QVERIFY(!ctl<QLineEdit>(c, "textStartURL")->isEnabled());
        QCOMPARE(s.gStartURL, L("news.example"));

        ctl<QRadioButton>(c, "optionRedialForXTimes")->click();
        QCOMPARE(s.gRedialLimited, kTrue);
        QCOMPARE(s.gRedialTillConnect, kFalse);
        QVERIFY(ctl<QLineEdit>(c, "textRedialNumber")->isEnabled());
        ctl<QRadioButton>(c, "optionRedialTillConnect")->click();
        QCOMPARE(s.gRedialLimited, kFalse);
        QCOMPARE(s.gRedialTillConnect, kTrue);
        QVERIFY(!ctl<QLineEdit>(c, "textRedialNumber")->isEnabled());
        QCOMPARE(ctl<QLineEdit>(c, "textRedialNumber")->text(), L("3"));

        ctl<QCheckBox>(c, "checkActivateReminder")->click();
        ctl<QRadioButton>(c, "optionReminderMinute")->click();
        QCOMPARE(s.gReminderInMinutes, kTrue);
        QCOMPARE(s.gReminderInHours, kFalse);
        ctl<QCheckBox>(c, "checkActivateReminder")->click();
        QVERIFY(!ctl<QLineEdit>(c, "textReminder")->isEnabled() &&
                !ctl<QRadioButton>(c, "optionReminderMinute")->isEnabled() &&
                !ctl<QRadioButton>(c, "optionReminderHour")->isEnabled());
        QVERIFY(ctl<QRadioButton>(c, "optionReminderMinute")->isChecked());
        ctl<QCheckBox>(c, "checkActivateReminder")->click();
        ctl<QRadioButton>(c, "optionReminderHour")->click();
        QCOMPARE(s.gReminderInHours, kTrue);
        QCOMPARE(s.gReminderInMinutes, kFalse);
    }

    void option_buttons_open_their_windows() {
        Fixture f;
        ctl<QCheckBox>(f.c(), "checkPlaySound")->click();
        ctl<QPushButton>(f.c(), "cmdShowSound")->click();
        QVERIFY(f.w().frmSound().isVisible());
        ctl<QPushButton>(f.c(), "cmdCreateShort")->click();
        QVERIFY(f.w().frmCreateShortcut().isVisible());
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
        f.w().frmStart().hide();
        f.p().settings.gDefaultProfile = defaultProfile;
        f.p().settings.gConnectDefault = connectDefault;
        f.p().settings.gFirstRun = kTrue;
        ctl<QLineEdit>(c, "textStartURL")->setText(L(" spaced.example "));
        ctl<QLineEdit>(c, "textRedialNumber")->setText(L("x"));
        ctl<QPushButton>(c, "cmdSave")->click();

        QCOMPARE(f.boxes().shown, (QList<Box>{Box{L("Save Successful!"), L("ModemTally"),
                                                  BoxIcon::Information, BoxButtons::Ok}}));
        QPushButton* connect = ctl<QPushButton>(f.w().frmStart(), "cmdConnectDefault");
        QCOMPARE(connect->text(), caption);
        QVERIFY(connect->isDefault());
        QVERIFY(f.w().frmStart().isVisible());
        QVERIFY(!c.isVisible());
        QVERIFY(ctl<QPushButton>(c, "cmdCloseConfigurationConsole")->isEnabled());
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
        f.w().frmStart().hide();
        f.p().settings.gDefaultProfile = L("Home");
        f.p().settings.gConnectDefault = kTrue;
        QVERIFY(QDir(f.t->dir.path()).mkdir(L("cc.txt")));
        ctl<QPushButton>(c, "cmdSave")->click();

        QCOMPARE(f.boxes().shown.size(), 1);
        const Box box = f.boxes().shown.first();
        QCOMPARE(box.icon, BoxIcon::Critical);
        QVERIFY(box.text.contains(L("could not be saved")));
        QVERIFY(!box.text.contains(L("Save Successful!")));
        QVERIFY(c.isVisible());
        QVERIFY(!ctl<QPushButton>(c, "cmdCloseConfigurationConsole")->isEnabled());
        QVERIFY(!f.w().frmStart().isVisible());
        QCOMPARE(ctl<QPushButton>(f.w().frmStart(), "cmdConnectDefault")->text(), L("Connect"));
        QCOMPARE(f.p().settings.gFirstRun, kTrue);
    }

    void close_asks_then_the_marker_silences_it() {
        Fixture f;
        frmConfig& c = f.c();
        c.show();
        f.w().frmStart().hide();
        ctl<QPushButton>(c, "cmdCloseConfigurationConsole")->click();
        frmCloseConfig& ask = f.w().frmCloseConfig();
        QVERIFY(ask.isVisible());
        QVERIFY(c.isVisible());
        ctl<QPushButton>(ask, "cmdNoClose")->click();
        QVERIFY(!ask.isVisible());
        QVERIFY(c.isVisible());

        ctl<QPushButton>(c, "cmdCloseConfigurationConsole")->click();
        QVERIFY(ask.isVisible());
        QVERIFY(!ctl<QCheckBox>(ask, "checkRemoveCloseReminder")->isChecked());
        ctl<QCheckBox>(ask, "checkRemoveCloseReminder")->click();
        ctl<QPushButton>(ask, "cmdYesClose")->click();
        QVERIFY(!ask.isVisible() && !c.isVisible());
        QVERIFY(f.w().frmStart().isVisible());
        QCOMPARE(f.t->readDataFile(L("cc1.txt")), QByteArray("##REMOVE REMINDER##\r\n"));
        QVERIFY(f.w().frmCloseConfig_loaded()); // hidden, not destroyed
        QVERIFY(ctl<QCheckBox>(ask, "checkRemoveCloseReminder")->isChecked());

        // With the marker: hidden at once, no question, and the main console left as it was.
        f.w().frmStart().hide();
        c.show();
        ctl<QPushButton>(c, "cmdCloseConfigurationConsole")->click();
        QVERIFY(!c.isVisible());
        QVERIFY(!ask.isVisible());
        QVERIFY(!f.w().frmStart().isVisible());
        QVERIFY(f.boxes().shown.isEmpty());
    }

    void marker_that_cannot_be_written_is_reported() {
        Fixture f;
        QVERIFY(QDir(f.t->dir.path()).mkdir(L("cc1.txt")));
        f.c().show();
        ctl<QPushButton>(f.c(), "cmdCloseConfigurationConsole")->click();
        frmCloseConfig& ask = f.w().frmCloseConfig();
        QVERIFY(ask.isVisible());
        ctl<QCheckBox>(ask, "checkRemoveCloseReminder")->click();
        ctl<QPushButton>(ask, "cmdYesClose")->click();
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
        QVERIFY(!f.w().frmCloseConfig_loaded());
        c.setCloseEnabled(true);
        c.closeBox_Click();
        QVERIFY(f.w().frmCloseConfig().isVisible());
        // The program closing its windows on Exit is not the user's close box.
        f.w().frmCloseConfig().hide();
        c.close();
        QVERIFY(!c.isVisible());
        QVERIFY(!f.w().frmCloseConfig().isVisible());
    }
};

QTEST_MAIN(tst_frmconfig)
#include "tst_frmconfig.moc"
