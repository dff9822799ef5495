#include "dialing/HangUp.h"

#include "config/frmConfig.h"
#include "console/TrayBehaviour.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/YesNo.h"
#include "dialing/formRAS.h"
#include "monitor/SessionTimer.h"
#include "monitor/frmReminder.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace HangUp {

namespace {
// Clears the status list to the one "Hang up on ..." line, puts the buttons back to idle and forgets
// the dial state.
void backToIdle(Program& p, const QString& profile) {
    frmStart& start = p.frmStart();
    start.clearStatus();
    start.addStatus(QStringLiteral("Hang up on ") + profile);
    p.frmConfig().cmdDial->setEnabled(true);
    start.cmdConnectDefault->setEnabled(true);
    p.dial.gDialedProfile.clear();
    p.dial.gConnected = kFalse;
    p.dial.gDialing = kFalse;
    p.dial.gAdoptedConnection = kFalse;
}
} // namespace

void hangUp(Program& p, HangupEntry entry) {
    frmStart& start = p.frmStart();
    const QString profile = p.dial.gDialedProfile;
    // 1. - 2. The tray menu sets the flag only after the control has hung up; the reminder not at all.
    if (entry == HangupEntry::Button)
        p.dial.gUserHangup = kTrue;
    p.ras().HangUp(profile);
    if (entry == HangupEntry::TrayMenu)
        p.dial.gUserHangup = kTrue;
    // 3.
    if (isTrue(p.dial.gConnected))
        SessionTimer::EndSessionAccounting(p);
    // 4.
    SessionTimer::stopTimer(p);
    // 5.
    start.cmdHangup->setEnabled(false);
    if (entry != HangupEntry::Reminder)
        start.mPopHangup->setEnabled(false);
    // 6. - 8.
    backToIdle(p, profile);
    // 9. The tray menu's hang-up leaves the tip showing the last elapsed time.
    if (entry != HangupEntry::TrayMenu)
        TrayBehaviour::setTip(p, QStringLiteral("ModemTally"));
    if (entry == HangupEntry::Reminder && p.frmReminder_loaded())
        p.frmReminder().hide();
}

void exitProgram(Program& p) {
    formRAS& form = p.formRAS();
    // Exit asked twice (the tray menu while the question is open) asks once.
    if (form.exitQuestionOpen)
        return;
    if (!p.dial.gDialedProfile.isEmpty() && isTrue(p.dial.gConnected)) {
        form.exitQuestionOpen = true;
        const BoxAnswer answer = p.boxes().msgBox(
            QStringLiteral("ModemTally has detected that a connection is still active") +
                QStringLiteral(". Do you wish to terminate this connection?"),
            BoxButtons::YesNoCancel, BoxIcon::Critical, QStringLiteral("Exiting ModemTally"));
        form.exitQuestionOpen = false;
        if (answer == BoxAnswer::Cancel)
            return;
        if (answer == BoxAnswer::Yes) {
            p.flags.gExiting = kTrue;
            frmStart& start = p.frmStart();
            start.timer->stop();
            const QString profile = p.dial.gDialedProfile;
            p.ras().HangUp(profile);
            SessionTimer::EndSessionAccounting(p);
            start.cmdHangup->setEnabled(false);
            start.mPopHangup->setEnabled(false);
            backToIdle(p, profile);
        }
    }
    p.flags.gExiting = kTrue;
    p.closeAllWindows();
}

} // namespace HangUp
