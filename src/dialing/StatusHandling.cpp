// Dial progress from the remote-access control, the actions on connection, and the redial timer.
#include "config/frmConfig.h"
#include "console/TrayBehaviour.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/YesNo.h"
#include "dialing/DialFlows.h"
#include "dialing/formRAS.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmPassword.h"
#include "monitor/ConnectActions.h"
#include "monitor/Limits.h"
#include "monitor/SessionTimer.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

#include <QAction>
#include <QPushButton>
#include <QScopeGuard>

namespace {
// The status tests look for a text anywhere from the given position on (1 = the first character),
// without regard to letter case.
bool holdsFrom(const QString& text, const QString& what, int position) {
    return text.indexOf(what, position - 1, Qt::CaseInsensitive) >= 0;
}
// The redial's picker or prompt may still be open from the first dial, behind the console: bring
// it to the front, since the series waits on the user's answer.
void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

void formRAS::RAS_ConnectionStatus(const QString& StatusText, int /*StatusCode*/) {
    Program& p = m_program;
    frmStart& start = p.frmStart();

    if (StatusText.startsWith(QStringLiteral("Connected"), Qt::CaseInsensitive)) {
        // A "Connected" right after a failure (the failure is the last line) belongs to that
        // attempt's end and changes nothing.
        if (holdsFrom(start.lastStatus(), QStringLiteral("failed"), 2))
            return;
        // Only a dial in progress comes up: a repeated "Connected" must not restart the session's
        // time (nor replay the sound and the browser), and one after a hang-up is only shown.
        if (isTrue(p.dial.gDialing) && !isTrue(p.dial.gConnected))
            actionsOnConnection();
    } else if (holdsFrom(StatusText, QStringLiteral(" failed"), 2)) {
        // A failure of an attempt that is no longer in progress (already reported, or abandoned by a
        // hang-up) is only shown; one already waiting for its redial is not counted again.
        if (isTrue(p.dial.gDialing) && !m_reportingFailure) {
            if (timerredial.isActive())
                return;
            if (isTrue(p.settings.gRedialTillConnect) && isFalse(p.dial.gUserHangup)) {
                // The timer runs before the hang-up, so that a failure the control reports from
                // inside HangUp is taken as part of this one.
                timerredial.start();
                RAS.HangUp(p.dial.gDialedProfile);
                start.addStatus(QStringLiteral("Connection fails... "));
                start.addStatus(QStringLiteral("Redialing till connected"));
                return;
            }
            if (isTrue(p.settings.gRedialLimited) && isFalse(p.dial.gUserHangup)) {
                redial += 1;
                timerredial.start();
                RAS.HangUp(p.dial.gDialedProfile);
                start.addStatus(QStringLiteral("Connection fails... "));
                start.addStatus(QStringLiteral("Redialing for ") + QString::number(p.settings.gRedialMax) +
                                QStringLiteral(" times"));
                return;
            }
            finalFailure();
        }
    }

    if (holdsFrom(StatusText, QStringLiteral("Validation attempt"), 1))
        start.addStatus(QStringLiteral("Username/Password Authentication..."));
    else
        start.addStatus(StatusText);
}

void formRAS::actionsOnConnection() {
    Program& p = m_program;
    if (isTrue(p.settings.gPlaySound))
        ConnectActions::PlayConnectSound(p);
    p.dial.gConnected = kTrue;
    p.dial.gDialing = kFalse;
    redial = 0;
    p.session.gSessionStart = p.clock().now();
    SessionTimer::anchorClock(p);
    if (isTrue(p.settings.gLaunchBrowser))
        ConnectActions::LaunchBrowser(p);
    TrayBehaviour::connected(p);
    if (isTrue(p.settings.gDisplayTimer))
        Limits::ShowTimerConsole(p);
}

void formRAS::finalFailure() {
    Program& p = m_program;
    p.dial.gDialing = kFalse;
    m_reportingFailure = true;
    {
        const auto done = qScopeGuard([this] { m_reportingFailure = false; });
        p.boxes().msgBox(QStringLiteral("Connection Failed!"), BoxButtons::Ok, BoxIcon::Exclamation,
                         QStringLiteral("Connection Status"));
    }
    frmStart& start = p.frmStart();
    start.cmdConnectDefault->setEnabled(true);
    start.cmdHangup->setEnabled(false);
    p.frmConfig().cmdDial->setEnabled(true);
}

void formRAS::timerredial_Timer() {
    Program& p = m_program;
    if (isTrue(p.dial.gUserHangup)) {
        timerredial.stop();
        redialTicks = 0;
        return;
    }
    if (isTrue(p.settings.gRedialLimited) && redial > p.settings.gRedialMax) {
        redialLimitReached();
        return;
    }
    if (redialTicks != 6) {
        redialTicks += 1;
        return;
    }
    // The seventh tick after the failure: dial again.
    redialTicks = 0;
    timerredial.stop();
    if (isFalse(p.settings.gConnectDefault)) {
        showInFront(p.frmConnectNoDefault());
    } else if (!isFalse(p.settings.gPromptPassword)) {
        showInFront(p.frmPassword());
    } else {
        // The same profile with the credentials of the dial that failed.
        DialFlows::startDial(p, DialCaller::Redial, p.dial.gDialedProfile, dialUserName, dialPassword,
                             dialDomain);
    }
}

void formRAS::redialLimitReached() {
    Program& p = m_program;
    // The timer stops before the message, so that ticks while it is open do not repeat it.
    timerredial.stop();
    redialTicks = 0;
    p.boxes().msgBox(QStringLiteral("Redial limit of ") + QString::number(p.settings.gRedialMax) +
                     QStringLiteral(" times reached"));
    SessionTimer::stopTimer(p);
    frmStart& start = p.frmStart();
    start.mPopHangup->setEnabled(false);
    start.cmdHangup->setEnabled(false);
    start.clearStatus();
    start.addStatus(QStringLiteral("Redial attempts terminated"));
    p.frmConfig().cmdDial->setEnabled(true);
    start.cmdConnectDefault->setEnabled(true);
    p.dial.gDialedProfile.clear();
    p.dial.gConnected = kFalse;
    p.dial.gDialing = kFalse;
    p.dial.gAdoptedConnection = kFalse;
    TrayBehaviour::setTip(p, QStringLiteral("ModemTally"));
}
