// Dial progress from the remote-access control, the actions on connection, and the redial timer.
#include "core/ConnectActions.h"
#include "core/DialFlows.h"
#include "core/Limits.h"
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace {
// The status tests look for a text anywhere from the given position on (1 = the first character),
// without regard to letter case.
bool holdsFrom(const QString& text, const QString& what, int position) {
    return text.indexOf(what, position - 1, Qt::CaseInsensitive) >= 0;
}
} // namespace

void formRAS::RAS_ConnectionStatus(const QString& StatusText, int /*StatusCode*/) {
    Program& p = m_program;

    if (StatusText.startsWith(QStringLiteral("Connected"), Qt::CaseInsensitive)) {
        // A "Connected" right after a failure (the failure is the last line) belongs to that
        // attempt's end and changes nothing.
        if (holdsFrom(p.status.last(), QStringLiteral("failed"), 2))
            return;
        // Only a dial in progress comes up: a repeated "Connected" must not restart the session's
        // time (nor replay the sound and the browser), and one after a hang-up is only shown.
        if (p.dial.gDialing && !p.dial.gConnected)
            actionsOnConnection();
    } else if (holdsFrom(StatusText, QStringLiteral(" failed"), 2)) {
        // A failure of an attempt that is no longer in progress (already reported, or abandoned by a
        // hang-up) is only shown; one already waiting for its redial is not counted again.
        if (p.dial.gDialing && !m_reportingFailure) {
            if (timerredial.isActive())
                return;
            if (isTrue(p.settings.gRedialTillConnect) && !p.dial.gUserHangup) {
                // The timer runs before the hang-up, so that a failure the control reports from
                // inside HangUp is taken as part of this one.
                timerredial.start();
                RAS.HangUp(p.dial.gDialedProfile);
                p.status.add(QCoreApplication::translate("StatusHandling", "Connection fails... "));
                p.status.add(QCoreApplication::translate("StatusHandling", "Redialing till connected"));
                return;
            }
            if (isTrue(p.settings.gRedialLimited) && !p.dial.gUserHangup) {
                redial += 1;
                timerredial.start();
                RAS.HangUp(p.dial.gDialedProfile);
                p.status.add(QCoreApplication::translate("StatusHandling", "Connection fails... "));
                p.status.add(QCoreApplication::translate("StatusHandling", "Redialing for %1 times")
                                 .arg(p.settings.gRedialMax));
                return;
            }
            finalFailure();
        }
    }

    if (holdsFrom(StatusText, QStringLiteral("Validation attempt"), 1))
        p.status.add(QCoreApplication::translate("StatusHandling", "Username/Password Authentication..."));
    else
        p.status.add(StatusText);
}

void formRAS::actionsOnConnection() {
    Program& p = m_program;
    if (isTrue(p.settings.gPlaySound))
        ConnectActions::PlayConnectSound(p);
    p.dial.gConnected = true;
    p.dial.gDialing = false;
    // The series that led here is over: a redial still counting down must not dial again.
    cancelRedial();
    p.session.gSessionStart = p.clock().now();
    SessionTimer::anchorClock(p);
    p.dial.announce();
    if (isTrue(p.settings.gLaunchBrowser))
        ConnectActions::LaunchBrowser(p);
    emit p.lineUpByDial();
    if (isTrue(p.settings.gDisplayTimer))
        emit p.session.timerConsoleWanted();
}

void formRAS::finalFailure() {
    Program& p = m_program;
    p.dial.gDialing = false;
    p.dial.announce();
    m_reportingFailure = true;
    {
        const auto done = qScopeGuard([this] { m_reportingFailure = false; });
        p.boxes().msgBox(QCoreApplication::translate("StatusHandling", "Connection Failed!"), BoxButtons::Ok,
                         BoxIcon::Exclamation,
                         QCoreApplication::translate("StatusHandling", "Connection Status"));
    }
    p.dial.setControls(true, false, std::nullopt, true);
}

void formRAS::timerredial_Timer() {
    Program& p = m_program;
    if (p.dial.gUserHangup) {
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
        m_redialPrompt = true;
        emit p.promptWanted(Prompt::ProfilePicker, PromptFrom::Redial);
    } else if (!isFalse(p.settings.gPromptPassword)) {
        m_redialPrompt = true;
        emit p.promptWanted(Prompt::Password, PromptFrom::Redial);
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
    p.boxes().msgBox(QCoreApplication::translate("StatusHandling", "Redial limit of %1 times reached")
                         .arg(p.settings.gRedialMax));
    SessionTimer::stopTimer(p);
    p.dial.setControls(std::nullopt, false, false, std::nullopt);
    p.status.clear();
    p.status.add(QCoreApplication::translate("StatusHandling", "Redial attempts terminated"));
    p.dial.backToIdle();
    p.setTrayTip(QStringLiteral("ModemTally"));
}
