// The phone book's entries and the active connection, as the remote-access control reports them.
#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace {
bool listHolds(const QStringList& list, const QString& name) {
    return list.contains(name, Qt::CaseInsensitive);
}
} // namespace

void formRAS::RAS_EnumEntry(const QString& szEntry) {
    Program& p = m_program;
    ProgramFlags& f = p.flags;

    if (!f.gCreatingProfile) {
        if (isTrue(p.settings.gFirstRun))
            p.settings.gProfiles.addProfile(szEntry);
        p.listedEntries.append(szEntry);
        emit p.entryListed(szEntry);
        f.gEntryCount += 1;
        return;
    }

    // The enumeration after an entry was created. The new entry is the one not listed yet (the
    // service usually reports it last); the enumeration's last event ends this mode, so the entries
    // after a new one reported early are not listed twice, and a cancelled wizard adds nothing.
    if (!listHolds(p.listedEntries, szEntry)) {
        p.listedEntries.append(szEntry);
        emit p.entryListed(szEntry);
        p.settings.gProfiles.addProfile(szEntry);
    }
    if (f.entryEventIndex >= f.gEntryCount - 1) {
        f.entryEventIndex = 0;
        f.gCreatingProfile = false;
    } else {
        f.entryEventIndex += 1;
    }
}

void formRAS::listEntriesAgain() {
    m_program.flags.entryEventIndex = 0;
    RAS.EnumEntries();
}

void formRAS::createEntry() {
    ProgramFlags& f = m_program.flags;
    RAS.CreateEntry();
    // One more entry is awaited, once: a creation still waiting for its entry (its wizard was
    // cancelled) is not counted again.
    if (!f.gCreatingProfile)
        f.gEntryCount = qint16(f.gEntryCount + 1);
    f.gCreatingProfile = true;
    listEntriesAgain();
}

void formRAS::RAS_EnumConnection(const QString& szConnection) {
    Program& p = m_program;
    // While the adoption message is open, ticks keep polling: the connection is adopted once.
    if (m_adopting)
        return;
    if (p.dial.gDialing)
        return;
    if (p.status.last().indexOf(QStringLiteral("failed"), 1, Qt::CaseInsensitive) >= 0)
        return;

    if (!szConnection.isEmpty() && !p.dial.gConnected) {
        adopt(szConnection);
        return;
    }

    if (!RAS.IsConnected() && !p.dial.gAdoptedConnection && !p.dial.gUserHangup && p.dial.gConnected) {
        // The connection we dialed has gone without a hang-up.
        SessionTimer::EndSessionAccounting(
            p, QCoreApplication::translate("Enumeration", "Hanged up on %1").arg(p.dial.gDialedProfile),
            SessionEnd::Dropped);
        SessionTimer::resetClock(p);
        p.dial.gConnected = false;
        p.dial.announce();
    }
}

void formRAS::adopt(const QString& szConnection) {
    Program& p = m_program;
    m_adopting = true;
    {
        const auto done = qScopeGuard([this] { m_adopting = false; });
        p.boxes().msgBox(
            QCoreApplication::translate("Enumeration",
                                        "ModemTally has detected an active conection called %1. Time elapsed "
                                        "will not be accurate.")
                .arg(szConnection),
            BoxButtons::Ok, BoxIcon::Information,
            QCoreApplication::translate("Enumeration", "Active Connection Detected!"));
    }
    // A dial or another session may have started while the message was open.
    if (p.dial.gDialing || p.dial.gConnected)
        return;

    // Resets the warned flags and gUserHangup, and reloads the month's history.
    SessionTimer::BeginSessionAccounting(p);
    p.dial.gConnected = true;
    p.dial.gDialing = false;
    p.session.gSessionStart = p.clock().now();
    SessionTimer::resetClock(p);
    SessionTimer::anchorClock(p);

    p.dial.setControls(false, true, std::nullopt, false);
    p.dial.gDialedProfile = szConnection;
    p.dial.gAdoptedConnection = true;
    p.dial.announce();
    p.timer.start();
    p.status.clear();
    p.status.add(QCoreApplication::translate("Enumeration", "Connected to %1").arg(szConnection));
}
