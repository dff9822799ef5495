// The configuration console's handlers: every control writes its setting at once.

#include "config/frmConfig.h"
#include "core/ConnectActions.h"
#include "core/Program.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "platform/Autostart.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>

namespace {
// A radio button's click behaviour runs when it becomes selected, by the user or by code.
template <typename F> void onSelected(QRadioButton* option, frmConfig* console, F handler) {
    QObject::connect(option, &QRadioButton::toggled, console, [console, handler](bool on) {
        if (on)
            (console->*handler)();
    });
}
// A check box's click behaviour runs whenever its state changes, by the user or by code.
template <typename F> void onToggled(QCheckBox* box, frmConfig* console, F handler) {
    QObject::connect(box, &QCheckBox::toggled, console, [console, handler]() { (console->*handler)(); });
}
template <typename F> void onClicked(QPushButton* button, frmConfig* console, F handler) {
    QObject::connect(button, &QPushButton::clicked, console, [console, handler]() { (console->*handler)(); });
}
QString emptyShown(const QString& value) {
    return value.isEmpty() ? QCoreApplication::translate("frmConfig", "Empty") : value;
}
} // namespace

void frmConfig::connectHandlers() {
    // A click shows the entry's credentials, also a click on the entry already selected (after its
    // profile was edited, that is how the fields are brought up to date); moving the selection with
    // the keyboard shows them too.
    connect(listProfiles, &QListWidget::itemSelectionChanged, this, &frmConfig::listProfiles_Click);
    connect(listProfiles, &QListWidget::itemClicked, this, &frmConfig::listProfiles_Click);
    onClicked(cmdMakeDefault, this, &frmConfig::cmdMakeDefault_Click);
    onClicked(cmdSetDefaultNone, this, &frmConfig::cmdSetDefaultNone_Click);
    onSelected(optionConnectDefaultYes, this, &frmConfig::optionConnectDefaultYes_Click);
    onSelected(optionConnectDefaultNo, this, &frmConfig::optionConnectDefaultNo_Click);
    onSelected(optionYesPromptPassword, this, &frmConfig::optionYesPromptPassword_Click);
    onSelected(optionNoPromptPassword, this, &frmConfig::optionNoPromptPassword_Click);
    onClicked(cmdDial, this, &frmConfig::cmdDial_Click);
    onClicked(cmdEditProfile, this, &frmConfig::cmdEditProfile_Click);
    onClicked(cmdProperties, this, &frmConfig::cmdProperties_Click);
    onClicked(cmdNewProfile, this, &frmConfig::cmdNewProfile_Click);

    // The tab arrows.
    const std::pair<QPushButton*, int> arrows[] = {{Command2, 1}, {Command3, 0}, {Command1, 2},
                                                   {Command8, 1}, {Command7, 3}, {Command9, 2}};
    for (const auto& [arrowButton, tab] : arrows) {
        const int target = tab;
        connect(arrowButton, &QPushButton::clicked, this,
                [this, target]() { SSTab1->setCurrentIndex(target); });
    }

    onToggled(checkUnlimitedConnection, this, &frmConfig::checkUnlimitedConnection_Click);
    onSelected(optionCPH, this, &frmConfig::optionCPH_Click);
    onSelected(optionCPM, this, &frmConfig::optionCPM_Click);
    onToggled(checkWarnTimePC, this, &frmConfig::checkWarnTimePC_Click);
    onToggled(checkWarnTimePM, this, &frmConfig::checkWarnTimePM_Click);
    onToggled(checkWarnCostPC, this, &frmConfig::checkWarnCostPC_Click);
    onToggled(checkWarnCostPM, this, &frmConfig::checkWarnCostPM_Click);

    onToggled(checkPlaySound, this, &frmConfig::checkPlaySound_Click);
    onToggled(checkSimulate, this, &frmConfig::checkSimulate_Click);
    onToggled(checkConnectionCost, this, &frmConfig::checkConnectionCost_Click);
    onToggled(checkAutoDial, this, &frmConfig::checkAutoDial_Click);
    onToggled(checkDisplayTimer, this, &frmConfig::checkDisplayTimer_Click);
    onToggled(checkWarnFreeTime, this, &frmConfig::checkWarnFreeTime_Click);
    onToggled(checkLaunchBrowser, this, &frmConfig::checkLaunchBrowser_Click);
    connect(textStartURL, &QLineEdit::textChanged, this, &frmConfig::textStartURL_Change);
    // Save writes the attempts box as it stands.
    connect(textRedialNumber, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_program.redialLine = text; });
    onSelected(optionRedialForXTimes, this, &frmConfig::optionRedialForXTimes_Click);
    onSelected(optionRedialTillConnect, this, &frmConfig::optionRedialTillConnect_Click);
    onToggled(checkActivateReminder, this, &frmConfig::checkActivateReminder_Click);
    onSelected(optionReminderMinute, this, &frmConfig::optionReminderMinute_Click);
    onSelected(optionReminderHour, this, &frmConfig::optionReminderHour_Click);
    onClicked(cmdShowSound, this, &frmConfig::cmdShowSound_Click);
    onClicked(cmdLaunchBrowser, this, &frmConfig::cmdLaunchBrowser_Click);
    onClicked(cmdCreateShort, this, &frmConfig::cmdCreateShort_Click);

    onClicked(cmdSave, this, &frmConfig::cmdSave_Click);
    onClicked(cmdCloseConfigurationConsole, this, &frmConfig::cmdCloseConfigurationConsole_Click);
}

void frmConfig::registerNumberFields() {
    Settings& s = m_program.settings;
    using NumericField::Kind;
    m_numberFields = {
        {textVarDollar, 1, Kind::Text, &s.gCostDollars, nullptr},
        {textVarCent, 1, Kind::Text, &s.gCostCents, nullptr},
        {textFreeHour, 1, Kind::Int16, &s.gFreeHours, nullptr},
        {textFreeMinute, 1, Kind::Int16, nullptr, &s.gFreeMinutes},
        {textWarnTimePCh, 2, Kind::Int16, &s.gWarnTimePCHours, nullptr},
        {textWarnTimePCm, 2, Kind::Int16, nullptr, &s.gWarnTimePCMinutes},
        {textWarnTimePMh, 2, Kind::Int16, &s.gWarnTimePMHours, nullptr},
        {textWarnTimePMm, 2, Kind::Int16, nullptr, &s.gWarnTimePMMinutes},
        {textWarnCostPCd, 2, Kind::Int16, &s.gWarnCostPCDollars, nullptr},
        {textWarnCostPCc, 2, Kind::Int16, nullptr, &s.gWarnCostPCCents},
        {textWarnCostPMd, 2, Kind::Int16, &s.gWarnCostPMDollars, nullptr},
        {textWarnCostPMc, 2, Kind::Int16, nullptr, &s.gWarnCostPMCents},
        {textRedialNumber, 3, Kind::Int16, nullptr, &s.gRedialMax},
        {textReminder, 3, Kind::Int16, nullptr, &s.gReminderInterval},
    };
    for (const NumberField& f : m_numberFields)
        f.field->installEventFilter(this);
}

QList<QLineEdit*> frmConfig::numericFields() const {
    QList<QLineEdit*> fields;
    for (const NumberField& f : m_numberFields)
        fields << f.field;
    return fields;
}

bool frmConfig::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_returningFocus) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Only a move of the focus inside the console counts: switching to another window, a menu or
        // the "Invalid fields" box itself is not the user leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (auto* field = qobject_cast<QLineEdit*>(watched)) {
                // Checked once the focus has settled, so the box does not open inside the focus change.
                runPendingCheck();
                m_pendingCheck = field;
                QMetaObject::invokeMethod(
                    this, [this]() { runPendingCheck(); }, Qt::QueuedConnection);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmConfig::runPendingCheck() {
    QLineEdit* field = m_pendingCheck;
    m_pendingCheck = nullptr;
    return field ? numericField_LostFocus(field) : true;
}

bool frmConfig::numericField_LostFocus(QLineEdit* field) {
    const auto it = std::find_if(m_numberFields.cbegin(), m_numberFields.cend(),
                                 [field](const NumberField& f) { return f.field == field; });
    if (it == m_numberFields.cend())
        return true;
    const NumericField::Result r = NumericField::check(field->text(), it->kind);
    if (r.accepted) {
        if (it->kind == NumericField::Kind::Text)
            *it->text = r.text;
        else if (it->number)
            *it->number = r.value;
        else
            *it->text = QString::number(r.value);
        return true;
    }
    m_program.boxes().msgBox(NumericField::rejectionText(), BoxButtons::Ok, BoxIcon::Exclamation,
                             NumericField::rejectionTitle());
    m_returningFocus = true;
    SSTab1->setCurrentIndex(it->tab);
    field->setFocus(Qt::OtherFocusReason);
    m_returningFocus = false;
    return false;
}

// ---- Connection tab ----

QString frmConfig::selectedProfile() const {
    const QList<QListWidgetItem*> selected = listProfiles->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString frmConfig::requireSelection() {
    const QString name = selectedProfile();
    if (name.isEmpty())
        m_program.boxes().msgBox(tr("Select a Connection Profile first"), BoxButtons::Ok,
                                 BoxIcon::Exclamation);
    return name;
}

void frmConfig::listProfiles_Click() {
    const QString name = selectedProfile();
    if (name.isEmpty())
        return;
    const ProfileStore& profiles = m_program.settings.gProfiles;
    textUsername->setText(emptyShown(profiles.userName(name)));
    textPassword->setText(emptyShown(profiles.password(name)));
    textDomain->setText(emptyShown(profiles.domain(name)));
}

void frmConfig::cmdMakeDefault_Click() {
    const QString name = requireSelection();
    if (name.isEmpty())
        return;
    textDefault->setText(name);
    m_program.settings.gDefaultProfile = name;
    m_program.settings.gConnectDefault = kTrue;
    optionConnectDefaultYes->setChecked(true);
    showConnectDefaultGroup();
}

void frmConfig::cmdSetDefaultNone_Click() {
    textDefault->setText(QStringLiteral("None"));
    m_program.settings.gDefaultProfile = QStringLiteral("None");
    m_program.settings.gConnectDefault = kFalse;
    hideConnectDefaultGroup();
}

void frmConfig::optionConnectDefaultYes_Click() {
    if (Frame2->isHidden())
        Frame2->show();
    m_program.settings.gConnectDefault = kTrue;
}

void frmConfig::optionConnectDefaultNo_Click() {
    Frame2->hide();
    m_program.settings.gConnectDefault = kFalse;
}

void frmConfig::optionYesPromptPassword_Click() {
    m_program.settings.gPromptPassword = kTrue;
}

void frmConfig::optionNoPromptPassword_Click() {
    m_program.settings.gPromptPassword = kFalse;
}

void frmConfig::cmdDial_Click() {
    const QString name = requireSelection();
    if (name.isEmpty())
        return;
    emit dialRequested(name);
}

void frmConfig::cmdEditProfile_Click() {
    const QString name = requireSelection();
    if (name.isEmpty())
        return;
    emit editProfileRequested(name);
}

void frmConfig::cmdProperties_Click() {
    const QString name = selectedProfile();
    if (name.isEmpty()) {
        m_program.boxes().msgBox(tr("Select a connection profile first!"), BoxButtons::Ok,
                                 BoxIcon::Exclamation, tr("Warning"));
        return;
    }
    m_program.editEntry(name);
}

void frmConfig::cmdNewProfile_Click() {
    emit newConnectionRequested();
}

// ---- Cost and Warnings tabs ----

void frmConfig::checkUnlimitedConnection_Click() {
    if (checkUnlimitedConnection->isChecked()) {
        Frame4->hide();
        Frame5->hide();
        m_program.settings.gUnlimitedTime = kTrue;
    } else {
        m_program.settings.gUnlimitedTime = kFalse;
        Frame4->show();
        Frame5->show();
    }
}

void frmConfig::optionCPH_Click() {
    m_program.settings.gCostPerHour = kTrue;
    m_program.settings.gCostPerMinute = kFalse;
}

void frmConfig::optionCPM_Click() {
    m_program.settings.gCostPerMinute = kTrue;
    m_program.settings.gCostPerHour = kFalse;
}

void frmConfig::setWarningFields(QCheckBox* box, QLineEdit* first, QLineEdit* second, QString& flag) {
    const bool on = box->isChecked();
    flag = yesNo(on);
    first->setEnabled(on);
    second->setEnabled(on);
}

void frmConfig::checkWarnTimePC_Click() {
    setWarningFields(checkWarnTimePC, textWarnTimePCh, textWarnTimePCm, m_program.settings.gWarnTimePC);
}
void frmConfig::checkWarnTimePM_Click() {
    setWarningFields(checkWarnTimePM, textWarnTimePMh, textWarnTimePMm, m_program.settings.gWarnTimePM);
}
void frmConfig::checkWarnCostPC_Click() {
    setWarningFields(checkWarnCostPC, textWarnCostPCd, textWarnCostPCc, m_program.settings.gWarnCostPC);
}
void frmConfig::checkWarnCostPM_Click() {
    setWarningFields(checkWarnCostPM, textWarnCostPMd, textWarnCostPMc, m_program.settings.gWarnCostPM);
}

// ---- Options tab ----

void frmConfig::checkPlaySound_Click() {
    const bool on = checkPlaySound->isChecked();
    m_program.settings.gPlaySound = yesNo(on);
    cmdShowSound->setEnabled(on);
}
void frmConfig::checkSimulate_Click() {
    m_program.settings.gKeepAlive = yesNo(checkSimulate->isChecked());
}
void frmConfig::checkConnectionCost_Click() {
    m_program.settings.gShowCost = yesNo(checkConnectionCost->isChecked());
}
void frmConfig::checkAutoDial_Click() {
    m_program.settings.gAutoDial = yesNo(checkAutoDial->isChecked());
}
void frmConfig::checkDisplayTimer_Click() {
    m_program.settings.gDisplayTimer = yesNo(checkDisplayTimer->isChecked());
}
void frmConfig::checkWarnFreeTime_Click() {
    m_program.settings.gWarnFreeTime = yesNo(checkWarnFreeTime->isChecked());
}

void frmConfig::checkLaunchBrowser_Click() {
    const bool on = checkLaunchBrowser->isChecked();
    m_program.settings.gLaunchBrowser = yesNo(on);
    textStartURL->setEnabled(on);
}

void frmConfig::textStartURL_Change() {
    // Save writes the box as it stands; the model keeps the address trimmed.
    m_program.startPageLine = textStartURL->text();
    m_program.settings.gStartURL = textStartURL->text().trimmed();
}

void frmConfig::optionRedialForXTimes_Click() {
    textRedialNumber->setEnabled(true);
    m_program.settings.gRedialTillConnect = kFalse;
    m_program.settings.gRedialLimited = kTrue;
}

void frmConfig::optionRedialTillConnect_Click() {
    m_program.settings.gRedialTillConnect = kTrue;
    m_program.settings.gRedialLimited = kFalse;
    textRedialNumber->setEnabled(false);
}

void frmConfig::checkActivateReminder_Click() {
    const bool on = checkActivateReminder->isChecked();
    textReminder->setEnabled(on);
    optionReminderMinute->setEnabled(on);
    optionReminderHour->setEnabled(on);
    m_program.settings.gReminderOn = yesNo(on);
}

void frmConfig::optionReminderMinute_Click() {
    m_program.settings.gReminderInMinutes = kTrue;
    m_program.settings.gReminderInHours = kFalse;
}

void frmConfig::optionReminderHour_Click() {
    m_program.settings.gReminderInHours = kTrue;
    m_program.settings.gReminderInMinutes = kFalse;
}

void frmConfig::cmdShowSound_Click() {
    emit soundChooserRequested();
}

void frmConfig::cmdLaunchBrowser_Click() {
    ConnectActions::LaunchBrowser(m_program);
}

void frmConfig::cmdCreateShort_Click() {
    emit shortcutRequested();
}

// ---- Save and Close ----

void frmConfig::cmdSave_Click() {
    // A click on Save takes the focus from a number field first: a field that fails its check stops
    // the save, as the user is looking at the "Invalid fields" box and the field.
    if (!runPendingCheck())
        return;
    Program& p = m_program;
    QString reason;
    if (!p.saveSettings(&reason)) {
        // Nothing was saved: the old file stays whole, the console stays open, and Close stays as it
        // was (on the first run the console can still only be left by a successful save).
        p.boxes().msgBox(tr("The configurations could not be saved to \"%1\": %2\n\nYour "
                            "previous settings file has not been changed.")
                             .arg(p.dataPath(SettingsFile::fileName()), reason),
                         BoxButtons::Ok, BoxIcon::Critical);
        return;
    }
    saveStartAtLogin();
    cmdCloseConfigurationConsole->setEnabled(true);
    p.boxes().msgBox(tr("Save Successful!"), BoxButtons::Ok, BoxIcon::Information);
    // The main console takes the new Connect caption, makes Connect its default button and shows.
    p.settingsSaved();
    hide();
}

void frmConfig::cmdCloseConfigurationConsole_Click() {
    if (!cmdCloseConfigurationConsole->isEnabled() || !runPendingCheck())
        return;
    if (m_program.closeReminderRemoved()) {
        hide();
        return;
    }
    emit closeConfirmationRequested();
}

void frmConfig::closeBox_Click() {
    // On the first run Close is disabled: the console can only be left by saving.
    if (cmdCloseConfigurationConsole->isEnabled())
        cmdCloseConfigurationConsole_Click();
}

// ---- Start at login ----

void frmConfig::showStartAtLogin() {
    // The desktop's own start-up settings may have changed the entry since the console last looked.
    if (checkStartAtLogin->isChecked() != m_startsAtLogin)
        return;
    m_startsAtLogin = Autostart::isEnabled();
    checkStartAtLogin->setChecked(m_startsAtLogin);
}

void frmConfig::saveStartAtLogin() {
    const bool wanted = checkStartAtLogin->isChecked();
    // Unchanged: an entry that is there is left as it is (it may start another data folder).
    if (wanted == m_startsAtLogin)
        return;
    const QString reason =
        wanted ? Autostart::enable({}, Autostart::argumentsFor(m_program.dataDir())) : Autostart::disable();
    m_startsAtLogin = Autostart::isEnabled();
    checkStartAtLogin->setChecked(m_startsAtLogin);
    if (!reason.isEmpty()) {
        m_program.boxes().msgBox(
            (wanted
                 ? QStringLiteral("ModemTally could not add itself to the programs started when you log in "
                                  "(\"%1\"): %2")
                 : QStringLiteral("ModemTally could not remove itself from the programs started when you log "
                                  "in (\"%1\"): %2"))
                .arg(Autostart::entryPath(), reason),
            BoxButtons::Ok, BoxIcon::Exclamation);
    }
}

void frmConfig::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        showStartAtLogin();
}

void frmConfig::closeEvent(QCloseEvent* event) {
    // The program itself closes every window on Exit; only the user's close box is redirected.
    if (!event->spontaneous() || m_program.flags.gExiting) {
        event->accept();
        return;
    }
    event->ignore();
    closeBox_Click();
}
