#include "config/frmConfig.h"

#include "core/Program.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

frmConfig::frmConfig(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("ModemTally Configuration Console"));
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    cmdSave = new QPushButton(this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdCloseConfigurationConsole = new QPushButton(this);
    cmdCloseConfigurationConsole->setObjectName(QStringLiteral("cmdCloseConfigurationConsole"));
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command8 = new QPushButton(this);
    Command8->setObjectName(QStringLiteral("Command8"));
    Command7 = new QPushButton(this);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command9 = new QPushButton(this);
    Command9->setObjectName(QStringLiteral("Command9"));
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    listProfiles = new QListWidget(this);
    listProfiles->setObjectName(QStringLiteral("listProfiles"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    textDefault = new QLineEdit(this);
    textDefault->setObjectName(QStringLiteral("textDefault"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    textUsername = new QLineEdit(this);
    textUsername->setObjectName(QStringLiteral("textUsername"));
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    textPassword = new QLineEdit(this);
    textPassword->setObjectName(QStringLiteral("textPassword"));
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    textDomain = new QLineEdit(this);
    textDomain->setObjectName(QStringLiteral("textDomain"));
    cmdEditProfile = new QPushButton(this);
    cmdEditProfile->setObjectName(QStringLiteral("cmdEditProfile"));
    cmdDial = new QPushButton(this);
    cmdDial->setObjectName(QStringLiteral("cmdDial"));
    cmdProperties = new QPushButton(this);
    cmdProperties->setObjectName(QStringLiteral("cmdProperties"));
    cmdMakeDefault = new QPushButton(this);
    cmdMakeDefault->setObjectName(QStringLiteral("cmdMakeDefault"));
    cmdSetDefaultNone = new QPushButton(this);
    cmdSetDefaultNone->setObjectName(QStringLiteral("cmdSetDefaultNone"));
    cmdNewProfile = new QPushButton(this);
    cmdNewProfile->setObjectName(QStringLiteral("cmdNewProfile"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label7 = new QLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    optionConnectDefaultYes = new QRadioButton(this);
    optionConnectDefaultYes->setObjectName(QStringLiteral("optionConnectDefaultYes"));
    optionConnectDefaultNo = new QRadioButton(this);
    optionConnectDefaultNo->setObjectName(QStringLiteral("optionConnectDefaultNo"));
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label6 = new QLabel(this);
    Label6->setObjectName(QStringLiteral("Label6"));
    optionYesPromptPassword = new QRadioButton(this);
    optionYesPromptPassword->setObjectName(QStringLiteral("optionYesPromptPassword"));
    optionNoPromptPassword = new QRadioButton(this);
    optionNoPromptPassword->setObjectName(QStringLiteral("optionNoPromptPassword"));
    checkUnlimitedConnection = new QCheckBox(this);
    checkUnlimitedConnection->setObjectName(QStringLiteral("checkUnlimitedConnection"));
    Frame4 = new QGroupBox(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    optionCPH = new QRadioButton(this);
    optionCPH->setObjectName(QStringLiteral("optionCPH"));
    optionCPM = new QRadioButton(this);
    optionCPM->setObjectName(QStringLiteral("optionCPM"));
    Label14 = new QLabel(this);
    Label14->setObjectName(QStringLiteral("Label14"));
    textVarDollar = new QLineEdit(this);
    textVarDollar->setObjectName(QStringLiteral("textVarDollar"));
    Label15 = new QLabel(this);
    Label15->setObjectName(QStringLiteral("Label15"));
    textVarCent = new QLineEdit(this);
    textVarCent->setObjectName(QStringLiteral("textVarCent"));
    Frame5 = new QGroupBox(this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Label8 = new QLabel(this);
    Label8->setObjectName(QStringLiteral("Label8"));
    textFreeHour = new QLineEdit(this);
    textFreeHour->setObjectName(QStringLiteral("textFreeHour"));
    Label16 = new QLabel(this);
    Label16->setObjectName(QStringLiteral("Label16"));
    textFreeMinute = new QLineEdit(this);
    textFreeMinute->setObjectName(QStringLiteral("textFreeMinute"));
    Label17 = new QLabel(this);
    Label17->setObjectName(QStringLiteral("Label17"));
    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    checkWarnTimePC = new QCheckBox(this);
    checkWarnTimePC->setObjectName(QStringLiteral("checkWarnTimePC"));
    textWarnTimePCh = new QLineEdit(this);
    textWarnTimePCh->setObjectName(QStringLiteral("textWarnTimePCh"));
    textWarnTimePCm = new QLineEdit(this);
    textWarnTimePCm->setObjectName(QStringLiteral("textWarnTimePCm"));
    checkWarnTimePM = new QCheckBox(this);
    checkWarnTimePM->setObjectName(QStringLiteral("checkWarnTimePM"));
    textWarnTimePMh = new QLineEdit(this);
    textWarnTimePMh->setObjectName(QStringLiteral("textWarnTimePMh"));
    textWarnTimePMm = new QLineEdit(this);
    textWarnTimePMm->setObjectName(QStringLiteral("textWarnTimePMm"));
    Frame7 = new QGroupBox(this);
    Frame7->setObjectName(QStringLiteral("Frame7"));
    checkWarnCostPC = new QCheckBox(this);
    checkWarnCostPC->setObjectName(QStringLiteral("checkWarnCostPC"));
    textWarnCostPCd = new QLineEdit(this);
    textWarnCostPCd->setObjectName(QStringLiteral("textWarnCostPCd"));
    textWarnCostPCc = new QLineEdit(this);
    textWarnCostPCc->setObjectName(QStringLiteral("textWarnCostPCc"));
    checkWarnCostPM = new QCheckBox(this);
    checkWarnCostPM->setObjectName(QStringLiteral("checkWarnCostPM"));
    textWarnCostPMd = new QLineEdit(this);
    textWarnCostPMd->setObjectName(QStringLiteral("textWarnCostPMd"));
    textWarnCostPMc = new QLineEdit(this);
    textWarnCostPMc->setObjectName(QStringLiteral("textWarnCostPMc"));
    Frame6 = new QGroupBox(this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    checkPlaySound = new QCheckBox(this);
    checkPlaySound->setObjectName(QStringLiteral("checkPlaySound"));
    cmdShowSound = new QPushButton(this);
    cmdShowSound->setObjectName(QStringLiteral("cmdShowSound"));
    checkSimulate = new QCheckBox(this);
    checkSimulate->setObjectName(QStringLiteral("checkSimulate"));
    checkConnectionCost = new QCheckBox(this);
    checkConnectionCost->setObjectName(QStringLiteral("checkConnectionCost"));
    checkAutoDial = new QCheckBox(this);
    checkAutoDial->setObjectName(QStringLiteral("checkAutoDial"));
    checkDisplayTimer = new QCheckBox(this);
    checkDisplayTimer->setObjectName(QStringLiteral("checkDisplayTimer"));
    checkLaunchBrowser = new QCheckBox(this);
    checkLaunchBrowser->setObjectName(QStringLiteral("checkLaunchBrowser"));
    Label32 = new QLabel(this);
    Label32->setObjectName(QStringLiteral("Label32"));
    textStartURL = new QLineEdit(this);
    textStartURL->setObjectName(QStringLiteral("textStartURL"));
    checkWarnFreeTime = new QCheckBox(this);
    checkWarnFreeTime->setObjectName(QStringLiteral("checkWarnFreeTime"));
    Frame10 = new QGroupBox(this);
    Frame10->setObjectName(QStringLiteral("Frame10"));
    Label30 = new QLabel(this);
    Label30->setObjectName(QStringLiteral("Label30"));
    optionRedialForXTimes = new QRadioButton(this);
    optionRedialForXTimes->setObjectName(QStringLiteral("optionRedialForXTimes"));
    textRedialNumber = new QLineEdit(this);
    textRedialNumber->setObjectName(QStringLiteral("textRedialNumber"));
    Label31 = new QLabel(this);
    Label31->setObjectName(QStringLiteral("Label31"));
    optionRedialTillConnect = new QRadioButton(this);
    optionRedialTillConnect->setObjectName(QStringLiteral("optionRedialTillConnect"));
    Frame9 = new QGroupBox(this);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    checkActivateReminder = new QCheckBox(this);
    checkActivateReminder->setObjectName(QStringLiteral("checkActivateReminder"));
    textReminder = new QLineEdit(this);
    textReminder->setObjectName(QStringLiteral("textReminder"));
    optionReminderMinute = new QRadioButton(this);
    optionReminderMinute->setObjectName(QStringLiteral("optionReminderMinute"));
    optionReminderHour = new QRadioButton(this);
    optionReminderHour->setObjectName(QStringLiteral("optionReminderHour"));
    cmdLaunchBrowser = new QPushButton(this);
    cmdLaunchBrowser->setObjectName(QStringLiteral("cmdLaunchBrowser"));
    cmdCreateShort = new QPushButton(this);
    cmdCreateShort->setObjectName(QStringLiteral("cmdCreateShort"));
}

frmConfig::~frmConfig() = default;

void frmConfig::hideConnectDefaultGroup() {
    for (QWidget* w :
         {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label6), static_cast<QWidget*>(Frame2),
          static_cast<QWidget*>(Label7), static_cast<QWidget*>(optionConnectDefaultYes),
          static_cast<QWidget*>(optionConnectDefaultNo)})
        w->hide();
}

void frmConfig::setCloseEnabled(bool enabled) {
    cmdCloseConfigurationConsole->setEnabled(enabled);
}
