#pragma once

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

// The configuration console: four tabs (Connection, Cost, Warnings, Options) and Save / Close below
// them. Every control writes its setting at once; only Save writes the file.
class frmConfig : public QWidget {
    Q_OBJECT
public:
    explicit frmConfig(Program& program);
    ~frmConfig() override;

    // Hides Label2, Label6, Frame2, Label7 and both connect-default options (default "None").
    void hideConnectDefaultGroup();
    // Enables or disables cmdCloseConfigurationConsole.
    void setCloseEnabled(bool enabled);

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

private:
    Program& m_program;
};
