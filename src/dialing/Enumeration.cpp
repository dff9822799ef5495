// The phone book's entries and the active connection, as the remote-access control reports them.
#include "config/frmConfig.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "core/YesNo.h"
#include "dialing/formRAS.h"
#include "dialing/frmConnectNoDefault.h"
#include "monitor/SessionTimer.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

namespace {
bool listHolds(const QListWidget* list, const QString& name) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
} // namespace

void formRAS::RAS_EnumEntry(const QString& szEntry) {
    Program& p = m_program;
    QListWidget* listProfiles = p.frmConfig().listProfiles;
    QListWidget* listdialchoose = p.frmConnectNoDefault().listdialchoose;
    ProgramFlags& f = p.flags;

    if (isFalse(f.gCreatingProfile)) {
        if (isTrue(p.settings.gFirstRun))
            p.settings.gProfiles.addProfile(szEntry);
        listProfiles->addItem(szEntry);
        listdialchoose->addItem(szEntry);
        f.gEntryCount += 1;
        return;
    }

    // The enumeration after an entry was created. The new entry is the one not listed yet (the
    // service usually reports it last); the enumeration's last event ends this mode, so the entries
    // after a new one reported early are not listed twice, and a cancelled wizard adds nothing.
    if (!listHolds(listProfiles, szEntry)) {
        listProfiles->addItem(szEntry);
        listdialchoose->addItem(szEntry);
        p.settings.gProfiles.addProfile(szEntry);
    }
    if (f.entryEventIndex >= f.gEntryCount - 1) {
        f.entryEventIndex = 0;
        f.gCreatingProfile = kFalse;
    } else {
        f.entryEventIndex += 1;
    }
}

void formRAS::listEntriesAgain() {
    m_program.flags.entryEventIndex = 0;
    RAS.EnumEntries();
}

void formRAS::RAS_EnumConnection(const QString& szConnection) {
    Program& p = m_program;
    // While the adoption message is open, ticks keep polling: the connection is adopted once.
    if (m_adopting)
        return;
    if (isTrue(p.dial.gDialing))
        return;
    if (p.frmStart().lastStatus().indexOf(QStringLiteral("failed"), 1, Qt::CaseInsensitive) >= 0)
        return;

    if (!szConnection.isEmpty() && !isTrue(p.dial.gConnected)) {
        adopt(szConnection);
        return;
    }

    if (!RAS.IsConnected() && isFalse(p.dial.gAdoptedConnection) && isFalse(p.dial.gUserHangup) &&
        isTrue(p.dial.gConnected)) {
        // The connection we dialed has gone without a hang-up.
        SessionTimer::EndSessionAccounting(p, QStringLiteral("Hanged up on ") + p.dial.gDialedProfile);
        SessionTimer::resetClock(p);
        p.dial.gConnected = kFalse;
    }
}

void formRAS::adopt(const QString& szConnection) {
    Program& p = m_program;
    m_adopting = true;
    {
        const auto done = qScopeGuard([this] { m_adopting = false; });
        p.boxes().msgBox(QStringLiteral("ModemTally has detected an active conection called ") +
                             szConnection + QStringLiteral(". Time elapsed will not be accurate."),
                         BoxButtons::Ok, BoxIcon::Information, QStringLiteral("Active Connection Detected!"));
    }
    // A dial or another session may have started while the message was open.
    if (isTrue(p.dial.gDialing) || isTrue(p.dial.gConnected))
        return;

    // Resets the warned flags and gUserHangup, and reloads the month's history.
    SessionTimer::BeginSessionAccounting(p);
    p.dial.gConnected = kTrue;
    p.dial.gDialing = kFalse;
    p.session.gSessionStart = p.clock().now();
    SessionTimer::resetClock(p);
    SessionTimer::anchorClock(p);

    frmStart& start = p.frmStart();
    start.cmdConnectDefault->setEnabled(false);
    start.cmdHangup->setEnabled(true);
    p.frmConfig().cmdDial->setEnabled(false);
    p.dial.gDialedProfile = szConnection;
    p.dial.gAdoptedConnection = kTrue;
    start.timer->start();
    start.clearStatus();
    start.addStatus(QStringLiteral("Connected to ") + szConnection);
}
