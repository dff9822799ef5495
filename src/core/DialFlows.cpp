#include "core/DialFlows.h"

#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

namespace DialFlows {

namespace {
// Dials the default profile with its stored credentials (a missing item dials as empty).
void dialDefault(Program& p, DialCaller caller) {
    const ProfileStore& profiles = p.settings.gProfiles;
    const QString& name = p.settings.gDefaultProfile;
    startDial(p, caller, name, profiles.userName(name), profiles.password(name), profiles.domain(name));
}
} // namespace

void connectButton(Program& p) {
    SessionTimer::BeginSessionAccounting(p);
    p.dial.gUserHangup = false;
    if (isFalse(p.settings.gConnectDefault)) {
        emit p.promptWanted(Prompt::ProfilePicker, PromptFrom::ConnectButton);
        return;
    }
    if (isFalse(p.settings.gPromptPassword)) {
        dialDefault(p, DialCaller::ConnectButton);
        return;
    }
    emit p.promptWanted(Prompt::Password, PromptFrom::ConnectButton);
}

void autoDial(Program& p) {
    if (isFalse(p.settings.gConnectDefault)) {
        emit p.promptWanted(Prompt::ProfilePicker, PromptFrom::AutoDial);
    } else if (isFalse(p.settings.gPromptPassword)) {
        SessionTimer::BeginSessionAccounting(p);
        dialDefault(p, DialCaller::AutoDial);
    } else {
        emit p.promptWanted(Prompt::Password, PromptFrom::AutoDial);
    }
}

bool dialWithPassword(Program& p, const QString& typed) {
    if (typed != p.settings.gProfiles.password(p.settings.gDefaultProfile)) {
        p.boxes().msgBox(QCoreApplication::translate("DialFlows", "Incorrect Password! Try Again."),
                         BoxButtons::Ok, BoxIcon::Critical,
                         QCoreApplication::translate("DialFlows", "Authentication Failed!"));
        return false;
    }
    SessionTimer::BeginSessionAccounting(p);
    p.dial.gUserHangup = false;
    dialDefault(p, DialCaller::PasswordPrompt);
    return true;
}

bool dialSelected(Program& p, const QString& profile, const QString& user, const QString& password,
                  const QString& domain) {
    if (user.isEmpty() && password.isEmpty() && domain.isEmpty()) {
        p.boxes().msgBox(QCoreApplication::translate(
            "DialFlows", "ModemTally has detected an empty field for the Username entry"
                         ". Even if your dialup server do not handle auto-negotiation, there "
                         "must still be an entry for the Username. You may enter any values "
                         "for the username under the Connect tab in the Configuration "
                         "Console."));
        return false;
    }
    SessionTimer::BeginSessionAccounting(p);
    p.dial.gUserHangup = false;
    // Typed credentials are used for this dial only; the stored ones are neither read nor changed.
    startDial(p, DialCaller::DialDialog, profile, user, password, domain);
    return true;
}

void startDial(Program& p, DialCaller caller, const QString& profile, const QString& user,
               const QString& password, const QString& domain) {
    formRAS& form = p.formRAS();
    // The redial itself (or the window it opened) goes on with its series; any other dial ends a
    // series that may still be counting down and starts from zero.
    form.dialStarting(caller == DialCaller::Redial);

    // 1. The session clock (the password prompt keeps it).
    if (caller != DialCaller::PasswordPrompt)
        SessionTimer::resetClock(p);
    // 2. The status list (a redial keeps it).
    if (caller != DialCaller::Redial)
        p.status.clear();
    // 3.
    RasControl& ras = p.ras();
    ras.setEntryName(profile);
    ras.setUserName(user);
    ras.setPassword(password);
    ras.setDomain(domain);
    form.dialUserName = user;
    form.dialPassword = password;
    form.dialDomain = domain;
    // 4. - 7.
    p.dial.gDialing = true;
    ras.Dial();
    p.dial.setControls(false, std::nullopt, std::nullopt, false);
    p.dial.gDialedProfile = profile;
    p.dial.announce();
    // 8.
    p.timer.start();
    // 9.
    p.dial.setControls(std::nullopt, true,
                       caller == DialCaller::AutoDial ? std::nullopt : std::optional(true), std::nullopt);
}

} // namespace DialFlows
