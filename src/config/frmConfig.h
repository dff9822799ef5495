#pragma once

#include "core/NumericField.h"

#include <QPointer>
#include <QWidget>

class Program;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QCloseEvent;
class QShowEvent;

// The configuration console: four tabs (Connection, Cost, Warnings, Options) and Save / Close below
// them. Every control writes its setting at once; only Save writes the file.
class frmConfig : public QWidget {
    Q_OBJECT
public:
    explicit frmConfig(Program& program);
    ~frmConfig() override;

    // The style that makes a password box mask each character with "*", whatever the desktop
    // style's own mask character.
    static QString passwordMaskStyle() {
        return QStringLiteral("QLineEdit { lineedit-password-character: 42; }");
    }

    // Shows the settings read from the settings file in every control (nothing runs as a click
    // would: the model already holds what the controls show).
    void showSettings();
    // The first run: the connect-default group is hidden and the console can only be left by saving.
    void hideConnectDefaultGroup();
    void setCloseEnabled(bool enabled);

    // The profile selected in listProfiles, or an empty text when none is.
    QString selectedProfile() const;

    // Connection tab.
    void listProfiles_Click();
    void cmdMakeDefault_Click();
    void cmdSetDefaultNone_Click();
    void optionConnectDefaultYes_Click();
    void optionConnectDefaultNo_Click();
    void optionYesPromptPassword_Click();
    void optionNoPromptPassword_Click();
    void cmdDial_Click();
    void cmdEditProfile_Click();
    void cmdProperties_Click();
    void cmdNewProfile_Click();
    // Cost and Warnings tabs.
    void checkUnlimitedConnection_Click();
    void optionCPH_Click();
    void optionCPM_Click();
    void checkWarnTimePC_Click();
    void checkWarnTimePM_Click();
    void checkWarnCostPC_Click();
    void checkWarnCostPM_Click();
    // Options tab.
    void checkPlaySound_Click();
    void checkSimulate_Click();
    void checkConnectionCost_Click();
    void checkAutoDial_Click();
    void checkDisplayTimer_Click();
    void checkWarnFreeTime_Click();
    void checkLaunchBrowser_Click();
    void textStartURL_Change();
    void optionRedialForXTimes_Click();
    void optionRedialTillConnect_Click();
    void checkActivateReminder_Click();
    void optionReminderMinute_Click();
    void optionReminderHour_Click();
    void cmdShowSound_Click();
    void cmdLaunchBrowser_Click();
    void cmdCreateShort_Click();
    // Save and Close.
    void cmdSave_Click();
    void cmdCloseConfigurationConsole_Click();
    // The window's close box: the same as Close Configurations, ignored while Close is disabled.
    void closeBox_Click();

    // The numeric-field rule for one of the number fields when it loses the focus: stores the value
    // and returns true, or shows the "Invalid fields" box, makes the field's tab current, gives the
    // field the focus back and returns false. Fields that are not number fields return true.
    bool numericField_LostFocus(QLineEdit* field);
    // The number fields, in tab order.
    QList<QLineEdit*> numericFields() const;

signals:
    // The buttons that open other windows.
    void dialRequested(const QString& profile);
    void editProfileRequested(const QString& profile);
    void newConnectionRequested();
    // The plan window, for this profile.
    void planRequested(const QString& profile);
    void soundChooserRequested();
    void shortcutRequested();
    // Close without saving, while the question has not been switched off.
    void closeConfirmationRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCloseConfigurationConsole = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command9 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QListWidget* listProfiles = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* textDefault = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* textUsername = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* textPassword = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* textDomain = nullptr;
    QPushButton* cmdEditProfile = nullptr;
    QPushButton* cmdDial = nullptr;
    QPushButton* cmdProperties = nullptr;
    QPushButton* cmdMakeDefault = nullptr;
    QPushButton* cmdSetDefaultNone = nullptr;
    QPushButton* cmdNewProfile = nullptr;
    QPushButton* cmdPlan = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr;
    QRadioButton* optionConnectDefaultYes = nullptr;
    QRadioButton* optionConnectDefaultNo = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label6 = nullptr;
    QRadioButton* optionYesPromptPassword = nullptr;
    QRadioButton* optionNoPromptPassword = nullptr;
    QCheckBox* checkUnlimitedConnection = nullptr;
    QGroupBox* Frame4 = nullptr;
    QRadioButton* optionCPH = nullptr;
    QRadioButton* optionCPM = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* textVarDollar = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* textVarCent = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* textFreeHour = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* textFreeMinute = nullptr;
    QLabel* Label17 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QCheckBox* checkWarnTimePC = nullptr;
    QLineEdit* textWarnTimePCh = nullptr;
    QLineEdit* textWarnTimePCm = nullptr;
    QCheckBox* checkWarnTimePM = nullptr;
    QLineEdit* textWarnTimePMh = nullptr;
    QLineEdit* textWarnTimePMm = nullptr;
    QGroupBox* Frame7 = nullptr;
    QCheckBox* checkWarnCostPC = nullptr;
    QLineEdit* textWarnCostPCd = nullptr;
    QLineEdit* textWarnCostPCc = nullptr;
    QCheckBox* checkWarnCostPM = nullptr;
    QLineEdit* textWarnCostPMd = nullptr;
    QLineEdit* textWarnCostPMc = nullptr;
    QGroupBox* Frame6 = nullptr;
    QCheckBox* checkPlaySound = nullptr;
    QPushButton* cmdShowSound = nullptr;
    QCheckBox* checkSimulate = nullptr;
    QCheckBox* checkConnectionCost = nullptr;
    QCheckBox* checkAutoDial = nullptr;
    QCheckBox* checkDisplayTimer = nullptr;
    QCheckBox* checkLaunchBrowser = nullptr;
    QLabel* Label32 = nullptr;
    QLineEdit* textStartURL = nullptr;
    QCheckBox* checkWarnFreeTime = nullptr;
    QCheckBox* checkStartAtLogin = nullptr;
    QGroupBox* Frame10 = nullptr;
    QLabel* Label30 = nullptr;
    QRadioButton* optionRedialForXTimes = nullptr;
    QLineEdit* textRedialNumber = nullptr;
    QLabel* Label31 = nullptr;
    QRadioButton* optionRedialTillConnect = nullptr;
    QGroupBox* Frame9 = nullptr;
    QCheckBox* checkActivateReminder = nullptr;
    QLineEdit* textReminder = nullptr;
    QRadioButton* optionReminderMinute = nullptr;
    QRadioButton* optionReminderHour = nullptr;
    QPushButton* cmdLaunchBrowser = nullptr;
    QPushButton* cmdCreateShort = nullptr;

    // Shows the whole connect-default group again (Label2, Label7, both options, Frame2 with Label6).
    void showConnectDefaultGroup();

    struct NumberField {
        QLineEdit* field;
        int tab;
        NumericField::Kind kind;
        QString* text;  // the setting, for settings held as text
        qint16* number; // the setting, for 16-bit settings
    };

    QWidget* buildConnectionTab();
    QWidget* buildCostTab();
    QWidget* buildWarningsTab();
    QWidget* buildOptionsTab();
    void connectHandlers();
    void registerNumberFields();
    void setWarningFields(QCheckBox* box, QLineEdit* first, QLineEdit* second, QString& flag);
    // Shows the "Select a Connection Profile first" box when nothing is selected; returns the name.
    QString requireSelection();

    Program& m_program;
    QList<NumberField> m_numberFields;
    // Set while a rejected field is being given the focus back: the focus leaving another field then
    // is the program's doing, not the user's, and is not checked.
    bool m_returningFocus = false;
    // The field whose focus loss is still to be checked (the check runs once the focus has settled,
    // or at once when Save or Close is pressed first).
    QPointer<QLineEdit> m_pendingCheck;
    // Runs the pending check, if any; false when it rejected the field.
    bool runPendingCheck();

    // Start at login: the box shows whether the desktop's autostart entry is there. The entry is the
    // setting (the settings file does not hold it) and, like the settings file, Save writes it.
    // Whether the entry was there when last read or written by the console.
    bool m_startsAtLogin = false;
    // Shows the entry as it is now, unless the box holds a change not saved yet.
    void showStartAtLogin();
    // Writes or removes the entry when the box was changed since; shows the reason when that fails.
    void saveStartAtLogin();
};
