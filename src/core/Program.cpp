#include "core/Program.h"

#include "core/DialFlows.h"
#include "core/ProfileSync.h"
#include "core/SessionTimer.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "platform/NullSeams.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The marker whose presence silences the close-without-saving question.
QString closeReminderFile() {
    return QStringLiteral("cc1.txt");
}
} // namespace

Program::Program(Seams seams, const QString& dataDir)
    : m_seams(std::move(seams)),
      m_dataDir(QDir(dataDir.isEmpty() ? QDir::currentPath() : dataDir).absolutePath()) {
    fillMissingSeams(m_seams);
    startPageLine = SettingsFile::initialStartPageLine();
    redialLine = SettingsFile::initialRedialLine();
    timer.setObjectName(QStringLiteral("timer"));
    timer.setInterval(1000);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, [this] { SessionTimer::timer_Timer(*this); });
    m_formRAS = std::make_unique<::formRAS>(*this);
    // A plan's warning also goes to the desktop's notifications, for when the windows are hidden.
    connect(&plans, &PlanBook::planWarningDue, this,
            [this](const PlanWarning& w) { notifier().notify(w.title, w.message); });
}

Program::~Program() = default;

QString Program::dataPath(const QString& bareName) const {
    return QDir(m_dataDir).filePath(bareName);
}

void Program::startUp() {
    // 2.
    flags.gExiting = false;
    // 3.
    status.add(QCoreApplication::translate("Program", "          Welcome to ModemTally!"));
    status.add(QCoreApplication::translate("Program", "The Best Dialup Networking Companion!"));
    // 4.
    ::formRAS& form = formRAS();
    form.cancelRedial();
    timer.stop();
    settings.gKeepAlive = kFalse;
    form.timerredial.setInterval(1000);
    timer.setInterval(1000);
    // 5. Session values and every setting back to their defaults. The configuration console's load
    // step then selects one of each pair of connect-default and password-prompt options, which makes
    // those two settings "true" or "false" before anything is read.
    session.reset();
    dial.reset();
    flags = ProgramFlags();
    settings = Settings();
    settings.gConnectDefault = yesNo(isTrue(settings.gConnectDefault));
    settings.gPromptPassword = yesNo(isTrue(settings.gPromptPassword));
    startPageLine = SettingsFile::initialStartPageLine();
    redialLine = SettingsFile::initialRedialLine();
    // The data folder's care before anything in it is read.
    SettingsFile::tidyDataFolder(*this);
    // 6. / 7. Anything under the settings file's name means an earlier run. What cannot be read (a
    // folder, a file too large or unreadable, a link to nothing) is reported and moved aside by the
    // reader, and start-up goes on as a first run, without the welcome.
    const QFileInfo settingsFile(dataPath(SettingsFile::fileName()));
    bool usable = false;
    int profilesRead = 0;
    if (settingsFile.exists() || settingsFile.isSymLink())
        profilesRead = SettingsFile::read(*this, &usable);
    else
        boxes().msgBox(QCoreApplication::translate(
                           "Program", "ModemTally has determined that this is your first time running this "
                                      "program. You would want to configure the settings in ModemTally "
                                      "first. Click the OK button to continue."),
                       BoxButtons::Ok, BoxIcon::Information,
                       QCoreApplication::translate("Program", "Welcome to ModemTally"));
    if (usable) {
        ras().EnumEntries();
        SettingsFile::settleAfterRead(*this);
        emit settingsRead();
        reconcileProfiles(*this, profilesRead);
    } else {
        ras().EnumEntries();
        m_firstRunHidden = true;
        emit firstRun();
    }
    // 8.
    ras().EnumConnections();
    // 9. The tray icon's data: its tip.
    flags.gTrayTip = QStringLiteral("ModemTally");
    // 10.
    if (!dial.gConnected && isTrue(settings.gAutoDial))
        DialFlows::autoDial(*this);
}

void Program::setConnectCaption(const QString& caption) {
    if (caption == m_connectCaption)
        return;
    m_connectCaption = caption;
    emit connectCaptionChanged(caption);
}

void Program::setTrayTip(const QString& tip) {
    // The tip field holds 63 characters and a terminator.
    flags.gTrayTip = tip.left(63);
    emit trayTipChanged(flags.gTrayTip);
}

bool Program::saveSettings(QString* error) {
    return SettingsFile::write(*this, error);
}

void Program::settingsSaved() {
    settings.gFirstRun = kFalse;
    if (isTrue(settings.gConnectDefault) && settings.gDefaultProfile != QLatin1String("None"))
        setConnectCaption(
            QCoreApplication::translate("Program", "Connect to %1").arg(settings.gDefaultProfile));
    else
        setConnectCaption(QCoreApplication::translate("Program", "Connect"));
    emit configurationSaved();
}

bool Program::closeReminderRemoved() const {
    return QFileInfo(dataPath(closeReminderFile())).isFile();
}

void Program::removeCloseReminder() {
    const QString path = dataPath(closeReminderFile());
    const QString reason = writeWholeFile(path, QByteArrayLiteral("##REMOVE REMINDER##\r\n"));
    if (!reason.isEmpty())
        boxes().msgBox(QCoreApplication::translate("Program",
                                                   "The reminder could not be switched off: \"%1\" could not "
                                                   "be written (%2). You will be asked again next time.")
                           .arg(path, reason),
                       BoxButtons::Ok, BoxIcon::Exclamation);
}

void Program::deleteProfiles(const QStringList& names) {
    for (const QString& name : names) {
        boxes().msgBox(QCoreApplication::translate("Program", "Deleting profile : %1").arg(name));
        settings.gProfiles.removeProfile(name);
    }
}

void Program::editEntry(const QString& name) {
    ras().EditEntry(name);
}

void Program::finish() {
    emit closing();
    if (!m_finished) {
        m_finished = true;
        if (m_onFinished)
            m_onFinished();
    }
}
