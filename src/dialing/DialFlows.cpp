#include "dialing/DialFlows.h"

#include "config/frmConfig.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/YesNo.h"
#include "dialing/formRAS.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "dialing/frmPassword.h"
#include "monitor/SessionTimer.h"
#include "platform/RasControl.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

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
    p.dial.gUserHangup = kFalse;
    if (isFalse(p.settings.gConnectDefault)) {
        p.frmConnectNoDefault().show();
        p.frmConnectNoDefault().raise();
        return;
    }
    if (isFalse(p.settings.gPromptPassword)) {
        dialDefault(p, DialCaller::ConnectButton);
        return;
    }
    p.frmPassword().show();
    p.frmPassword().raise();
}

void autoDial(Program& p) {
    if (isFalse(p.settings.gConnectDefault)) {
        p.frmConnectNoDefault().show();
    } else if (isFalse(p.settings.gPromptPassword)) {
        SessionTimer::BeginSessionAccounting(p);
        dialDefault(p, DialCaller::AutoDial);
    } else {
        p.frmPassword().show();
    }
}

void startDial(Program& p, DialCaller caller, const QString& profile, const QString& user,
               const QString& password, const QString& domain) {
    frmStart& start = p.frmStart();
    formRAS& form = p.formRAS();
    // A dial the user starts while no series is in progress begins a new redial series; a dial from a
    // window the redial timer opened (gDialing still "true") continues the running one.
    if (caller != DialCaller::Redial && !isTrue(p.dial.gDialing))
        form.redial = 0;

    // 1. The session clock (the password prompt keeps it).
    if (caller != DialCaller::PasswordPrompt)
        SessionTimer::resetClock(p);
    // 2. The status list (a redial keeps it).
    if (caller != DialCaller::Redial)
        start.clearStatus();
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
    p.dial.gDialing = kTrue;
    ras.Dial();
    start.cmdConnectDefault->setEnabled(false);
    p.frmConfig().cmdDial->setEnabled(false);
    p.dial.gDialedProfile = profile;
    if (caller == DialCaller::DialDialog)
        p.frmDialSelected().hide();
    // 8.
    start.timer->start();
    if (caller == DialCaller::DialDialog)
        start.show();
    // 9.
    start.cmdHangup->setEnabled(true);
    if (caller != DialCaller::AutoDial)
        start.mPopHangup->setEnabled(true);
    if (caller == DialCaller::PasswordPrompt)
        p.frmPassword().hide();
}

} // namespace DialFlows
