#include "config/frmConfig.h"

#include "core/Program.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "platform/desktop/Icons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>
#include <vector>

// The console's construction and layout. The handlers are in frmConfigHandlers.cpp.

namespace {

template <typename W> W* named(W* w, const char* name, const QString& tip = {}) {
    w->setObjectName(QLatin1String(name));
    if (!tip.isEmpty())
        w->setToolTip(tip);
    return w;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& text, const QString& tip,
                    int maxLength = 0) {
    auto* e = named(new QLineEdit(text, parent), name, tip);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

// A short number field: wide enough for its longest text, not stretched across the tab.
QLineEdit* numberEdit(QWidget* parent, const char* name, const QString& text, const QString& tip,
                      int maxLength = 0) {
    QLineEdit* e = lineEdit(parent, name, text, tip, maxLength);
    const int chars = maxLength > 0 ? maxLength : 6;
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 1) + 16);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    return named(new QPushButton(caption, parent), name, tip);
}

// A picture-only arrow that switches to a neighbouring tab. No caption and no tooltip; the
// accessible name says where it goes.
QPushButton* arrow(QWidget* parent, const char* name, bool next, const QString& target) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(next ? themedIcon(Picture::NextTab) : themedIcon(Picture::PreviousTab));
    b->setIconSize(QSize(24, 24));
    b->setAccessibleName((next ? QCoreApplication::translate("frmConfig", "Next: ")
                               : QCoreApplication::translate("frmConfig", "Back: ")) +
                         target);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* arrowRow(QPushButton* back, QPushButton* next) {
    auto* row = new QHBoxLayout;
    if (back)
        row->addWidget(back);
    row->addStretch(1);
    if (next)
        row->addWidget(next);
    return row;
}

void exclusive(QObject* parent, QRadioButton* a, QRadioButton* b) {
    auto* group = new QButtonGroup(parent);
    group->addButton(a);
    group->addButton(b);
}

} // namespace

frmConfig::frmConfig(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("ModemTally Configuration Console"));

    SSTab1 = named(new QTabWidget(this), "SSTab1");
    SSTab1->setAccessibleName(tr("Configuration"));
    SSTab1->addTab(buildConnectionTab(), tr("Connection"));
    SSTab1->addTab(buildCostTab(), tr("Cost"));
    SSTab1->addTab(buildWarningsTab(), tr("Warnings"));
    SSTab1->addTab(buildOptionsTab(), tr("Options"));
    SSTab1->setCurrentIndex(3);

    cmdSave = button(this, "cmdSave", tr("&Save configurations"),
                     tr("Save all the configurations i.e.Connection,Cost,Warnings and Options"));
    cmdCloseConfigurationConsole = button(this, "cmdCloseConfigurationConsole", tr("Cl&ose Configurations"),
                                          tr("Close configuration window without saving"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdSave);
    bottom->addWidget(cmdCloseConfigurationConsole);

    auto* main = new QVBoxLayout(this);
    main->addWidget(SSTab1, 1);
    main->addLayout(bottom);

    connectHandlers();
    registerNumberFields();

    if (m_program.settingsFileRead) {
        // A console opened after the settings file was read: as it was before anything was read (no
        // default dialed, no prompt), then what was read. The model already holds what the options
        // would have written.
        {
            const QSignalBlocker quietYes(optionConnectDefaultNo);
            const QSignalBlocker quietNo(optionNoPromptPassword);
            optionConnectDefaultNo->setChecked(true);
            optionNoPromptPassword->setChecked(true);
        }
    } else {
        // The console's own load step: the connect-default and prompt options after the settings as
        // they stand now.
        if (isTrue(m_program.settings.gConnectDefault)) {
            optionConnectDefaultYes->setChecked(true);
            Frame2->show();
        } else {
            optionConnectDefaultNo->setChecked(true);
        }
        if (isTrue(m_program.settings.gPromptPassword))
            optionYesPromptPassword->setChecked(true);
        else
            optionNoPromptPassword->setChecked(true);
    }

    // The phone book's entries as listed so far, and each one listed from now on.
    listProfiles->addItems(m_program.listedEntries);
    connect(&m_program, &Program::entryListed, listProfiles,
            [this](const QString& entry) { listProfiles->addItem(entry); });
    cmdDial->setEnabled(m_program.dial.controls().dialSelected);
    connect(&m_program.dial, &DialState::controlsChanged, cmdDial,
            [this](const Controls& c) { cmdDial->setEnabled(c.dialSelected); });
    if (m_program.settingsFileRead)
        showSettings();
    showStartAtLogin();
}

void frmConfig::showSettings() {
    const Settings& st = m_program.settings;
    // The controls are set quietly: the click behaviour of each has already been applied to the
    // model (SettingsFile::settleAfterRead), and its effect on the other controls is set here.
    std::vector<QSignalBlocker> quiet;
    for (QWidget* w : findChildren<QWidget*>())
        quiet.emplace_back(w);

    textDefault->setText(st.gDefaultProfile);
    if (st.gDefaultProfile == QLatin1String("None")) {
        hideConnectDefaultGroup();
    } else if (isTrue(st.gConnectDefault)) {
        optionConnectDefaultYes->setChecked(true);
        showConnectDefaultGroup();
    }
    if (isTrue(st.gPromptPassword))
        optionYesPromptPassword->setChecked(true);
    else
        optionNoPromptPassword->setChecked(true);

    cmdShowSound->setEnabled(false);
    if (isTrue(st.gPlaySound)) {
        checkPlaySound->setChecked(true);
        cmdShowSound->setEnabled(true);
    }
    if (isTrue(st.gWarnFreeTime))
        checkWarnFreeTime->setChecked(true);
    if (isTrue(st.gShowCost))
        checkConnectionCost->setChecked(true);
    if (isTrue(st.gKeepAlive))
        checkSimulate->setChecked(true);

    const std::tuple<const QString&, QCheckBox*, QLineEdit*, QLineEdit*> limits[] = {
        {st.gWarnTimePC, checkWarnTimePC, textWarnTimePCh, textWarnTimePCm},
        {st.gWarnTimePM, checkWarnTimePM, textWarnTimePMh, textWarnTimePMm},
        {st.gWarnCostPC, checkWarnCostPC, textWarnCostPCd, textWarnCostPCc},
        {st.gWarnCostPM, checkWarnCostPM, textWarnCostPMd, textWarnCostPMc},
    };
    for (const auto& [on, box, first, second] : limits) {
        const bool enabled = isTrue(on);
        if (enabled)
            box->setChecked(true);
        first->setEnabled(enabled);
        second->setEnabled(enabled);
    }
    textWarnTimePCh->setText(st.gWarnTimePCHours);
    textWarnTimePCm->setText(QString::number(st.gWarnTimePCMinutes));
    textWarnTimePMh->setText(st.gWarnTimePMHours);
    textWarnTimePMm->setText(QString::number(st.gWarnTimePMMinutes));
    textWarnCostPCd->setText(st.gWarnCostPCDollars);
    textWarnCostPCc->setText(QString::number(st.gWarnCostPCCents));
    textWarnCostPMd->setText(st.gWarnCostPMDollars);
    textWarnCostPMc->setText(QString::number(st.gWarnCostPMCents));

    if (isTrue(st.gCostPerHour))
        optionCPH->setChecked(true);
    else if (isTrue(st.gCostPerMinute))
        optionCPM->setChecked(true);
    textVarDollar->setText(st.gCostDollars);
    textVarCent->setText(st.gCostCents);

    if (isTrue(st.gAutoDial))
        checkAutoDial->setChecked(true);
    if (isTrue(st.gDisplayTimer))
        checkDisplayTimer->setChecked(true);

    textFreeHour->setText(st.gFreeHours);
    textFreeMinute->setText(QString::number(st.gFreeMinutes));

    if (isTrue(st.gUnlimitedTime)) {
        checkUnlimitedConnection->setChecked(true);
        Frame4->hide();
        Frame5->hide();
    }

    if (isTrue(st.gLaunchBrowser)) {
        checkLaunchBrowser->setChecked(true);
        textStartURL->setEnabled(true);
    } else if (isFalse(st.gLaunchBrowser)) {
        textStartURL->setEnabled(false);
    }
    textStartURL->setText(m_program.startPageLine);

    if (isTrue(st.gRedialTillConnect)) {
        optionRedialTillConnect->setChecked(true);
        textRedialNumber->setEnabled(false);
    } else if (isTrue(st.gRedialLimited)) {
        optionRedialForXTimes->setChecked(true);
        textRedialNumber->setEnabled(true);
    }
    textRedialNumber->setText(m_program.redialLine);

    textReminder->setText(QString::number(st.gReminderInterval));
    if (isTrue(st.gReminderOn) || isFalse(st.gReminderOn)) {
        const bool on = isTrue(st.gReminderOn);
        if (on)
            checkActivateReminder->setChecked(true);
        textReminder->setEnabled(on);
        optionReminderMinute->setEnabled(on);
        optionReminderHour->setEnabled(on);
    }
    if (isTrue(st.gReminderInMinutes))
        optionReminderMinute->setChecked(true);
    else if (isTrue(st.gReminderInHours))
        optionReminderHour->setChecked(true);
}

frmConfig::~frmConfig() = default;

QWidget* frmConfig::buildConnectionTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabConnection"));

    Frame1 = named(new QGroupBox(tr("Connection Profiles"), page), "Frame1");
    listProfiles = named(new QListWidget(Frame1), "listProfiles", tr("List of Dialup Networking profiles."));
    listProfiles->setSelectionMode(QAbstractItemView::SingleSelection);
    listProfiles->setAccessibleName(tr("Connection profiles"));
    listProfiles->setMinimumWidth(180);
    Label1 = label(Frame1, "Label1", tr("Default Connection Profile :"));
    textDefault =
        lineEdit(Frame1, "textDefault", QStringLiteral("None"), tr("Current Default Connection Profile"));
    textDefault->setReadOnly(true);
    Label3 = label(Frame1, "Label3", tr("Username :"));
    textUsername = lineEdit(Frame1, "textUsername", {},
                            tr("Username to identify yourself with the remote dialup server"));
    textUsername->setReadOnly(true);
    Label4 = label(Frame1, "Label4", tr("Password :"));
    textPassword = lineEdit(Frame1, "textPassword", {},
                            tr("Password for authentication with your remote dialup server"));
    textPassword->setReadOnly(true);
    textPassword->setEchoMode(QLineEdit::Password);
    textPassword->setStyleSheet(passwordMaskStyle());
    Label5 = label(Frame1, "Label5", tr("Domain    :"));
    textDomain = lineEdit(Frame1, "textDomain", {}, tr("The domain of your dialup server. Can be ignored."));
    textDomain->setReadOnly(true);
    // The four read-only boxes only show things: reachable by mouse for copying, skipped by Tab.
    for (QLineEdit* shown : {textDefault, textUsername, textPassword, textDomain})
        shown->setFocusPolicy(Qt::ClickFocus);
    Label1->setBuddy(textDefault);
    Label3->setBuddy(textUsername);
    Label4->setBuddy(textPassword);
    Label5->setBuddy(textDomain);
    cmdEditProfile = button(Frame1, "cmdEditProfile", tr("&Edit Profile"), tr("Edit the Selected Profile"));
    cmdDial = button(Frame1, "cmdDial", tr("&Dial selected..."), tr("Dial the selected connection profile"));
    cmdProperties =
        button(Frame1, "cmdProperties", tr("&Properties"), tr("Edit your connection profile properties"));

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(textDefault, 0, 1);
    fields->addWidget(Label3, 1, 0);
    fields->addWidget(textUsername, 1, 1);
    fields->addWidget(Label4, 2, 0);
    fields->addWidget(textPassword, 2, 1);
    fields->addWidget(Label5, 3, 0);
    fields->addWidget(textDomain, 3, 1);
    fields->setRowStretch(4, 1);
    auto* profileButtons = new QHBoxLayout;
    profileButtons->addWidget(cmdEditProfile);
    profileButtons->addWidget(cmdDial);
    profileButtons->addWidget(cmdProperties);
    auto* right = new QVBoxLayout;
    right->addLayout(fields, 1);
    right->addLayout(profileButtons);
    auto* frame1Layout = new QHBoxLayout(Frame1);
    frame1Layout->addWidget(listProfiles, 1);
    frame1Layout->addLayout(right, 2);

    cmdMakeDefault = button(page, "cmdMakeDefault", tr("&Make Default "),
                            tr("Make the selected profile the default connection"));
    cmdSetDefaultNone =
        button(page, "cmdSetDefaultNone", tr("Set De&fault to None"), tr("Set Default Connection to None"));
    cmdNewProfile = button(page, "cmdNewProfile", tr("&New Connection"),
                           tr("Create a new DialUp Networking Connection Profile"));
    cmdPlan = button(page, "cmdPlan", tr("P&lan..."),
                     tr("The data plan of the selected profile: allowances, billing cycle, warnings"));
    auto* defaultButtons = new QHBoxLayout;
    defaultButtons->addWidget(cmdMakeDefault);
    defaultButtons->addWidget(cmdSetDefaultNone);
    defaultButtons->addStretch(1);
    defaultButtons->addWidget(cmdPlan);
    defaultButtons->addWidget(cmdNewProfile);

    Label2 = label(page, "Label2",
                   tr("Do you wish to dial the default connection profile each time you connect "
                      "with ModemTally ?"));
    Label2->setWordWrap(true);
    Label7 = label(page, "Label7", tr("(Recommended)"));
    optionConnectDefaultYes =
        named(new QRadioButton(tr("Yes"), page), "optionConnectDefaultYes",
              tr("ModemTally will dial your stated Default Connection each time you connect"));
    optionConnectDefaultNo =
        named(new QRadioButton(tr("No"), page), "optionConnectDefaultNo",
              tr("If no, then you will choose the connection profile at each connection"));
    exclusive(page, optionConnectDefaultYes, optionConnectDefaultNo);
    // Two pairs of Yes and No on one tab: the names say which question each answers.
    optionConnectDefaultYes->setAccessibleName(tr("Dial the default profile: Yes"));
    optionConnectDefaultNo->setAccessibleName(tr("Dial the default profile: No"));
    auto* connectRow = new QHBoxLayout;
    connectRow->addWidget(optionConnectDefaultYes);
    connectRow->addWidget(Label7);
    connectRow->addSpacing(24);
    connectRow->addWidget(optionConnectDefaultNo);
    connectRow->addStretch(1);

    Frame2 = named(new QGroupBox(tr("Authentication"), page), "Frame2",
                   tr("The Password would be the same as the default connection password"));
    Label6 = label(Frame2, "Label6", tr("Prompt for password at each default connection?"));
    optionYesPromptPassword =
        named(new QRadioButton(tr("Yes"), Frame2), "optionYesPromptPassword",
              tr("You would be prompted to enter the password which is the same as the default "
                 "connection password."));
    optionNoPromptPassword = named(new QRadioButton(tr("No"), Frame2), "optionNoPromptPassword",
                                   tr("ModemTally would not prompt you for any password."));
    exclusive(Frame2, optionYesPromptPassword, optionNoPromptPassword);
    optionYesPromptPassword->setAccessibleName(tr("Prompt for password: Yes"));
    optionNoPromptPassword->setAccessibleName(tr("Prompt for password: No"));
    auto* frame2Layout = new QHBoxLayout(Frame2);
    frame2Layout->addWidget(Label6);
    frame2Layout->addSpacing(12);
    frame2Layout->addWidget(optionYesPromptPassword);
    frame2Layout->addWidget(optionNoPromptPassword);
    frame2Layout->addStretch(1);
    Frame2->hide();

    Command2 = arrow(page, "Command2", true, tr("Cost"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame1, 1);
    layout->addLayout(defaultButtons);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addLayout(connectRow);
    layout->addWidget(Frame2);
    layout->addStretch(0);
    layout->addLayout(arrowRow(nullptr, Command2));
    // The plan of the selected profile, else of the default one.
    connect(cmdPlan, &QPushButton::clicked, this, [this] {
        const QString selected = selectedProfile();
        emit planRequested(selected.isEmpty() ? m_program.settings.gDefaultProfile : selected);
    });
    return page;
}

QWidget* frmConfig::buildCostTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabCost"));

    checkUnlimitedConnection =
        named(new QCheckBox(tr("Unlimited Connection Time"), page), "checkUnlimitedConnection",
              tr("Check this box if you are not charged for internet access by time."));

    Frame4 = named(new QGroupBox(tr("Variable Connection Cost"), page), "Frame4");
    optionCPH = named(new QRadioButton(tr("Cost per hour"), Frame4), "optionCPH",
                      tr("Connection cost is charged by per hour basis"));
    optionCPM = named(new QRadioButton(tr("Cost per minute"), Frame4), "optionCPM",
                      tr("Connection cost is charged by per minute basis"));
    exclusive(Frame4, optionCPH, optionCPM);
    Label14 = label(Frame4, "Label14", QStringLiteral("$"));
    textVarDollar = numberEdit(Frame4, "textVarDollar", QStringLiteral("0"),
                               tr("Enter the dollar amount. Please enter a number 0-9"));
    Label15 = label(Frame4, "Label15", QStringLiteral(" ."));
    textVarCent = numberEdit(Frame4, "textVarCent", QStringLiteral("00"),
                             tr("Enter the cent amount. Enter a value from 0-9"), 2);
    Label14->setBuddy(textVarDollar);
    Label15->setBuddy(textVarCent);
    // The labels beside the fields are a sign and a point: name the fields for screen readers.
    textVarDollar->setAccessibleName(tr("Dollars per hour or minute"));
    textVarCent->setAccessibleName(tr("Cents per hour or minute"));
    auto* options = new QVBoxLayout;
    options->addWidget(optionCPH);
    options->addWidget(optionCPM);
    auto* amount = new QHBoxLayout;
    amount->addWidget(Label14);
    amount->addWidget(textVarDollar);
    amount->addWidget(Label15);
    amount->addWidget(textVarCent);
    amount->addStretch(1);
    auto* rule = new QFrame(Frame4);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* frame4Layout = new QHBoxLayout(Frame4);
    frame4Layout->addLayout(options);
    frame4Layout->addWidget(rule);
    frame4Layout->addLayout(amount, 1);

    Frame5 = named(new QGroupBox(tr("Free Connection Time Per Month"), page), "Frame5");
    Label8 = label(Frame5, "Label8",
                   tr("Enter the amount of free connection time given to you per month by your "
                      "Internet Service Providers :"));
    Label8->setWordWrap(true);
    textFreeHour = numberEdit(Frame5, "textFreeHour", QStringLiteral("0"),
                              tr("Enter the amount of free hours given to you per month"));
    Label16 = label(Frame5, "Label16", tr("Hours"));
    textFreeMinute = numberEdit(Frame5, "textFreeMinute", QStringLiteral("0"),
                                tr("Enter the free minutes given to you per month"), 2);
    Label17 = label(Frame5, "Label17", tr("Minutes"));
    Label8->setBuddy(textFreeHour);
    textFreeHour->setAccessibleName(tr("Free hours per month"));
    textFreeMinute->setAccessibleName(tr("Free minutes per month"));
    auto* freeRow = new QHBoxLayout;
    freeRow->addWidget(textFreeHour);
    freeRow->addWidget(Label16);
    freeRow->addSpacing(12);
    freeRow->addWidget(textFreeMinute);
    freeRow->addWidget(Label17);
    freeRow->addStretch(1);
    auto* frame5Layout = new QVBoxLayout(Frame5);
    frame5Layout->addWidget(Label8);
    frame5Layout->addLayout(freeRow);

    Command3 = arrow(page, "Command3", false, tr("Connection"));
    Command1 = arrow(page, "Command1", true, tr("Warnings"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(checkUnlimitedConnection);
    layout->addWidget(Frame4);
    layout->addWidget(Frame5);
    layout->addStretch(1);
    layout->addLayout(arrowRow(Command3, Command1));
    return page;
}

QWidget* frmConfig::buildWarningsTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabWarnings"));

    // One row: the check box, then its two value fields with their small labels.
    auto row = [](QGridLayout* grid, int r, QCheckBox* box, const QString& lead, QLineEdit* a,
                  const QString& between, QLineEdit* b, const QString& after) {
        QWidget* parent = box->parentWidget();
        grid->addWidget(box, r, 0);
        if (!lead.isEmpty())
            grid->addWidget(new QLabel(lead, parent), r, 1, Qt::AlignRight);
        grid->addWidget(a, r, 2, Qt::AlignLeft);
        grid->addWidget(new QLabel(between, parent), r, 3);
        grid->addWidget(b, r, 4, Qt::AlignLeft);
        if (!after.isEmpty())
            grid->addWidget(new QLabel(after, parent), r, 5);
        grid->setColumnStretch(6, 1);
    };

    Frame3 = named(new QGroupBox(tr("Connection Time Limit Warnings"), page), "Frame3");
    checkWarnTimePC = named(new QCheckBox(tr("Warn if connection time per connection exceeds :"), Frame3),
                            "checkWarnTimePC");
    textWarnTimePCh = numberEdit(Frame3, "textWarnTimePCh", QStringLiteral("0"), {});
    textWarnTimePCm = numberEdit(Frame3, "textWarnTimePCm", QStringLiteral("00"), {}, 2);
    checkWarnTimePM = named(new QCheckBox(tr("Warn if total connection time per month exceeds :"), Frame3),
                            "checkWarnTimePM");
    textWarnTimePMh = numberEdit(Frame3, "textWarnTimePMh", QStringLiteral("0"), {});
    textWarnTimePMm = numberEdit(Frame3, "textWarnTimePMm", QStringLiteral("00"), {}, 2);
    auto* grid3 = new QGridLayout(Frame3);
    row(grid3, 0, checkWarnTimePC, {}, textWarnTimePCh, QStringLiteral(" h"), textWarnTimePCm,
        QStringLiteral(" m"));
    row(grid3, 1, checkWarnTimePM, {}, textWarnTimePMh, QStringLiteral(" h"), textWarnTimePMm,
        QStringLiteral(" m"));

    Frame7 = named(new QGroupBox(tr("Connection Cost Limit Warnings"), page), "Frame7");
    checkWarnCostPC = named(new QCheckBox(tr("Warn if connection cost per connection exceeds : "), Frame7),
                            "checkWarnCostPC");
    textWarnCostPCd = numberEdit(Frame7, "textWarnCostPCd", QStringLiteral("0"), {}, 2);
    textWarnCostPCd->setFixedWidth(
        textWarnTimePCh->width()); // lines up with the other dollar and hour fields
    textWarnCostPCc = numberEdit(Frame7, "textWarnCostPCc", QStringLiteral("00"), {}, 2);
    checkWarnCostPM = named(new QCheckBox(tr("Warn if total connection cost per month exceeds :"), Frame7),
                            "checkWarnCostPM");
    textWarnCostPMd = numberEdit(Frame7, "textWarnCostPMd", QStringLiteral("0"), {});
    textWarnCostPMc = numberEdit(Frame7, "textWarnCostPMc", QStringLiteral("00"), {}, 2);
    auto* grid7 = new QGridLayout(Frame7);
    row(grid7, 0, checkWarnCostPC, QStringLiteral("$"), textWarnCostPCd, QStringLiteral(" ."),
        textWarnCostPCc, {});
    row(grid7, 1, checkWarnCostPM, QStringLiteral("$"), textWarnCostPMd, QStringLiteral(" ."),
        textWarnCostPMc, {});

    // The value fields have no caption of their own: name them after their row for screen readers.
    textWarnTimePCh->setAccessibleName(tr("Hours per connection"));
    textWarnTimePCm->setAccessibleName(tr("Minutes per connection"));
    textWarnTimePMh->setAccessibleName(tr("Hours per month"));
    textWarnTimePMm->setAccessibleName(tr("Minutes per month"));
    textWarnCostPCd->setAccessibleName(tr("Dollars per connection"));
    textWarnCostPCc->setAccessibleName(tr("Cents per connection"));
    textWarnCostPMd->setAccessibleName(tr("Dollars per month"));
    textWarnCostPMc->setAccessibleName(tr("Cents per month"));

    Command8 = arrow(page, "Command8", false, tr("Cost"));
    Command7 = arrow(page, "Command7", true, tr("Options"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame3);
    layout->addWidget(Frame7);
    layout->addStretch(1);
    layout->addLayout(arrowRow(Command8, Command7));
    return page;
}

QWidget* frmConfig::buildOptionsTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabOptions"));

    Frame6 = named(new QGroupBox(tr("General"), page), "Frame6");
    checkPlaySound = named(new QCheckBox(tr("Activate sound when connected"), Frame6), "checkPlaySound",
                           tr("ModemTally would play a sound when connection is established"));
    cmdShowSound = new QPushButton(Frame6);
    cmdShowSound->setObjectName(QStringLiteral("cmdShowSound"));
    cmdShowSound->setIcon(themedIcon(Picture::Sound));
    cmdShowSound->setAccessibleName(tr("Sound Control"));
    cmdShowSound->setAutoDefault(false);
    checkSimulate =
        named(new QCheckBox(tr("Maintain Connection Uptime"), Frame6), "checkSimulate",
              tr("When connection is idle, ModemTally will simulate transmission to prevent disconnection"));
    checkConnectionCost =
        named(new QCheckBox(tr("Show connection cost after hang up"), Frame6), "checkConnectionCost",
              tr("Show the total cost for the connection after hang up."));
    checkAutoDial = named(new QCheckBox(tr("Auto-dial upon launching ModemTally"), Frame6), "checkAutoDial",
                          tr("Automate the dialing sequence when starting ModemTally"));
    checkDisplayTimer =
        named(new QCheckBox(tr("Display timer console after connection"), Frame6), "checkDisplayTimer",
              tr("Pop ups a timer window displaying the elapsed time after connection"));
    checkLaunchBrowser =
        named(new QCheckBox(tr("Launch default web browser after connection with start page as :"), Frame6),
              "checkLaunchBrowser", tr("Run your default WWW browser after a successful connection"));
    Label32 = label(Frame6, "Label32", QStringLiteral("http://"));
    textStartURL = lineEdit(Frame6, "textStartURL", Settings::defaultStartUrl(),
                            tr("Specify the start page URL for your WWW browser to load"));
    textStartURL->setAccessibleName(tr("Start page"));
    Label32->setBuddy(textStartURL);
    checkWarnFreeTime = named(
        new QCheckBox(tr("Warn if total connection time exceeds the free connection time per month"), Frame6),
        "checkWarnFreeTime",
        tr("Display warning box if total elapsed connection time exceeded the free time per month"));
    checkStartAtLogin =
        named(new QCheckBox(tr("Start ModemTally when I log in"), Frame6), "checkStartAtLogin",
              tr("Add ModemTally to the programs your desktop starts when you log in"));

    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(checkPlaySound);
    soundRow->addWidget(cmdShowSound);
    soundRow->addStretch(1);
    auto* urlRow = new QHBoxLayout;
    urlRow->addSpacing(24);
    urlRow->addWidget(Label32);
    urlRow->addWidget(textStartURL, 1);
    auto* frame6Layout = new QVBoxLayout(Frame6);
    frame6Layout->addLayout(soundRow);
    frame6Layout->addWidget(checkSimulate);
    frame6Layout->addWidget(checkConnectionCost);
    frame6Layout->addWidget(checkAutoDial);
    frame6Layout->addWidget(checkDisplayTimer);
    frame6Layout->addWidget(checkLaunchBrowser);
    frame6Layout->addLayout(urlRow);
    frame6Layout->addWidget(checkWarnFreeTime);
    frame6Layout->addWidget(checkStartAtLogin);

    Frame10 = named(new QGroupBox(tr("Redialing"), page), "Frame10");
    Label30 = label(Frame10, "Label30", tr("If connection fails,"));
    optionRedialForXTimes =
        named(new QRadioButton(tr("Redial a maximum of "), Frame10), "optionRedialForXTimes",
              tr("If line is busy or connection fails, redial your stated number of attempts"));
    textRedialNumber =
        numberEdit(Frame10, "textRedialNumber", SettingsFile::initialRedialLine(),
                   tr("Maximum number of redial attempts to dial when line is busy or connection fails"), 3);
    textRedialNumber->setAccessibleName(tr("Redial attempts"));
    Label31 = label(Frame10, "Label31", tr("times"));
    optionRedialTillConnect =
        named(new QRadioButton(tr("Redial till connected"), Frame10), "optionRedialTillConnect",
              tr("If line is busy or connection fails, redial till connected"));
    exclusive(Frame10, optionRedialForXTimes, optionRedialTillConnect);
    auto* timesRow = new QHBoxLayout;
    timesRow->addWidget(optionRedialForXTimes);
    timesRow->addWidget(textRedialNumber);
    timesRow->addWidget(Label31);
    timesRow->addStretch(1);
    auto* frame10Layout = new QVBoxLayout(Frame10);
    frame10Layout->addWidget(Label30);
    frame10Layout->addLayout(timesRow);
    frame10Layout->addWidget(optionRedialTillConnect);

    Frame9 = named(new QGroupBox(tr("Reminder"), page), "Frame9");
    checkActivateReminder = named(new QCheckBox(tr("Activate Reminder every"), Frame9),
                                  "checkActivateReminder", tr("Pop ups a reminder window"));
    textReminder =
        numberEdit(Frame9, "textReminder", {}, tr("Time interval value for the reminder window to pop up"));
    textReminder->setAccessibleName(tr("Reminder interval"));
    optionReminderMinute = named(new QRadioButton(tr("minute"), Frame9), "optionReminderMinute",
                                 tr("Time interval is in minute"));
    optionReminderHour =
        named(new QRadioButton(tr("hour"), Frame9), "optionReminderHour", tr("Time interval is in hour"));
    exclusive(Frame9, optionReminderMinute, optionReminderHour);
    auto* reminderRow = new QHBoxLayout;
    reminderRow->addWidget(checkActivateReminder);
    reminderRow->addWidget(textReminder);
    reminderRow->addStretch(1);
    auto* unitRow = new QHBoxLayout;
    unitRow->addSpacing(24);
    unitRow->addWidget(optionReminderMinute);
    unitRow->addWidget(optionReminderHour);
    unitRow->addStretch(1);
    auto* frame9Layout = new QVBoxLayout(Frame9);
    frame9Layout->addLayout(reminderRow);
    frame9Layout->addLayout(unitRow);
    frame9Layout->addStretch(1);

    cmdLaunchBrowser = button(page, "cmdLaunchBrowser", tr("&Browser"),
                              tr("Create and run a new web browser window with the start page URL"));
    cmdCreateShort = button(page, "cmdCreateShort", tr("&Create Shortcut"),
                            tr("Create a shortcut to ModemTally on your desktop. Highly Recommended."));
    Command9 = arrow(page, "Command9", false, tr("Warnings"));

    auto* lowerFrames = new QHBoxLayout;
    lowerFrames->addWidget(Frame10, 1);
    lowerFrames->addWidget(Frame9, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(Command9);
    actions->addStretch(1);
    actions->addWidget(cmdLaunchBrowser);
    actions->addWidget(cmdCreateShort);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame6);
    layout->addLayout(lowerFrames);
    layout->addStretch(1);
    layout->addLayout(actions);
    return page;
}

void frmConfig::hideConnectDefaultGroup() {
    for (QWidget* w :
         {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label6), static_cast<QWidget*>(Frame2),
          static_cast<QWidget*>(Label7), static_cast<QWidget*>(optionConnectDefaultYes),
          static_cast<QWidget*>(optionConnectDefaultNo)})
        w->hide();
}

void frmConfig::showConnectDefaultGroup() {
    for (QWidget* w :
         {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label6), static_cast<QWidget*>(Frame2),
          static_cast<QWidget*>(Label7), static_cast<QWidget*>(optionConnectDefaultYes),
          static_cast<QWidget*>(optionConnectDefaultNo)})
        w->show();
}

void frmConfig::setCloseEnabled(bool enabled) {
    cmdCloseConfigurationConsole->setEnabled(enabled);
}
