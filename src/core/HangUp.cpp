#include "core/HangUp.h"

#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/formRAS.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

namespace HangUp {

namespace {
// Clears the status list to the one "Hang up on ..." line, puts the buttons back to idle and forgets
// the dial state, a redial series still counting down included.
void backToIdle(Program& p, const QString& profile) {
    p.formRAS().cancelRedial();
    p.status.clear();
    p.status.add(QCoreApplication::translate("HangUp", "Hang up on %1").arg(profile));
    p.dial.backToIdle();
}
} // namespace

void hangUp(Program& p, HangupEntry entry) {
    const QString profile = p.dial.gDialedProfile;
    // 1. - 2. The tray menu sets the flag only after the control has hung up; the reminder not at all.
    if (entry == HangupEntry::Button)
        p.dial.gUserHangup = true;
    p.ras().HangUp(profile);
    if (entry == HangupEntry::TrayMenu)
        p.dial.gUserHangup = true;
    // 3.
    if (p.dial.gConnected)
        SessionTimer::EndSessionAccounting(p);
    // 4.
    SessionTimer::stopTimer(p);
    // 5.
    p.dial.setControls(std::nullopt, false,
                       entry != HangupEntry::Reminder ? std::optional(false) : std::nullopt, std::nullopt);
    // 6. - 8.
    backToIdle(p, profile);
    // 9. The tray menu's hang-up leaves the tip showing the last elapsed time.
    if (entry != HangupEntry::TrayMenu)
        p.setTrayTip(QStringLiteral("ModemTally"));
}

void exitProgram(Program& p) {
    formRAS& form = p.formRAS();
    // Exit asked twice (the tray menu while the question is open) asks once.
    if (form.exitQuestionOpen)
        return;
    if (!p.dial.gDialedProfile.isEmpty() && p.dial.gConnected) {
        form.exitQuestionOpen = true;
        const BoxAnswer answer = p.boxes().msgBox(
            QCoreApplication::translate("HangUp", "ModemTally has detected that a connection is still active"
                                                  ". Do you wish to terminate this connection?"),
            BoxButtons::YesNoCancel, BoxIcon::Critical,
            QCoreApplication::translate("HangUp", "Exiting ModemTally"));
        form.exitQuestionOpen = false;
        if (answer == BoxAnswer::Cancel)
            return;
        if (answer == BoxAnswer::Yes) {
            p.flags.gExiting = true;
            p.timer.stop();
            const QString profile = p.dial.gDialedProfile;
            p.ras().HangUp(profile);
            SessionTimer::EndSessionAccounting(p, {}, SessionEnd::OnExit);
            p.dial.setControls(std::nullopt, false, false, std::nullopt);
            backToIdle(p, profile);
        }
    }
    p.flags.gExiting = true;
    p.finish();
}

} // namespace HangUp
