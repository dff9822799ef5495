#include "core/SessionTimer.h"

#include "core/ConnectActions.h"
#include "core/Limits.h"
#include "core/MonthFile.h"
#include "core/Program.h"
#include "core/YesNo.h"
#include "core/formRAS.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"

#include <QCoreApplication>
#include <QLocale>
#include <QScopeGuard>

namespace SessionTimer {

namespace {

QString monthFileTitle() {
    return QCoreApplication::translate("SessionTimer", "Monthly Record");
}

// The tariff as a money amount: the dollars setting, a point and the cents text. The two texts are
// kept as typed, and the console accepts them in the user's locale, so a decimal comma or digit
// grouping there is read as the number the user saw rather than as no tariff at all.
Money tariff(const Program& p) {
    return Money::fromDollarsCents(p.settings.gCostDollars, p.settings.gCostCents, QLocale());
}

// Loads the month file of the given date into the monthly record.
void loadMonth(Program& p, const QDate& date) {
    SessionClock& sc = p.formRAS().sessionClock;
    SessionState& s = p.session;
    s.gMonthDurations = MonthFile::Record();
    s.gMonthSecondsBefore = 0;
    sc.monthFile = MonthFileName(date);
    sc.monthFileLoaded = true;
    sc.monthFileUnreadable = false;
    QString error;
    const QString path = p.dataPath(sc.monthFile);
    if (MonthFile::load(path, &s.gMonthDurations, &error) == MonthFile::ReadResult::Failed) {
        // The file is there but cannot be read: leave it alone rather than overwrite it at the end.
        sc.monthFileUnreadable = true;
        s.gMonthDurations = MonthFile::Record();
        p.boxes().msgBox(QCoreApplication::translate(
                             "SessionTimer", "ModemTally could not read the monthly record \"%1\" (%2). The "
                                             "time of this connection will not be recorded in it.")
                             .arg(path, error),
                         BoxButtons::Ok, BoxIcon::Exclamation, monthFileTitle());
        return;
    }
    s.gMonthSecondsBefore = s.gMonthDurations.totalSeconds;
}

// How many seconds this tick adds to the running clock. Normally one; more when ticks arrived late
// (a busy machine, a modal box), none when a tick comes early. The clock never runs ahead of the
// real time connected by a whole second, nor falls behind it by one.
int secondsDue(Program& p, SessionClock& sc) {
    const qint64 now = p.clock().monotonicMs();
    const int counted = p.session.elapsedSeconds();
    if (!sc.anchored || counted < sc.anchorElapsed) {
        // No anchor (the clock was set from elsewhere): take this tick as one second.
        sc.anchored = true;
        sc.anchorElapsed = counted;
        sc.anchorMs = now - 1000;
        return 1;
    }
    const qint64 realMs = qMax<qint64>(0, now - sc.anchorMs);
    const qint64 low = sc.anchorElapsed + realMs / 1000;
    const qint64 high = sc.anchorElapsed + (realMs + 999) / 1000;
    if (counted < low)
        return int(low - counted);
    return counted < high ? 1 : 0;
}

// One second of connection time and the work that belongs to it.
void countOneSecond(Program& p) {
    SessionState& s = p.session;
    s.gElapsedSeconds += 1;
    if (s.gElapsedSeconds >= 60) {
        s.gElapsedSeconds = 0;
        s.gElapsedMinutes += 1;
    }
    if (s.gElapsedMinutes >= 60) {
        s.gElapsedMinutes = 0;
        s.gElapsedHours += 1;
    }
    const QString text = ElapsedText(p);
    emit s.secondCounted(text);
    if (isTrue(p.settings.gKeepAlive) && s.gElapsedSeconds == 30)
        ConnectActions::KeepAliveBurst(p);
    if (isTrue(p.settings.gTrayOnConnect))
        p.setTrayTip(QCoreApplication::translate("SessionTimer", "Elapsed Time - %1").arg(text));
    if (isTrue(p.settings.gReminderOn))
        Limits::CheckReminder(p);
}

// Keeps the session's byte total at this moment among the last few, and gives the pace over them.
quint64 paceAfter(SessionClock& sc, qint64 ms, quint64 total) {
    sc.pace[size_t(sc.paceNext)] = SessionClock::Sample{ms, total};
    sc.paceNext = (sc.paceNext + 1) % SessionClock::kPaceSamples;
    sc.paceCount = qMin(sc.paceCount + 1, SessionClock::kPaceSamples);
    const int oldest = sc.paceCount < SessionClock::kPaceSamples ? 0 : sc.paceNext;
    const SessionClock::Sample& first = sc.pace[size_t(oldest)];
    if (ms <= first.ms || total < first.total)
        return 0;
    return (total - first.total) * 1000 / quint64(ms - first.ms);
}

} // namespace

void startByteCount(Program& p) {
    SessionClock& sc = p.formRAS().sessionClock;
    SessionState& s = p.session;
    s.gBytesReceived = s.gBytesSent = s.gBytesPerSecond = 0;
    sc.paceCount = sc.paceNext = 0;
    sc.lastCounts = p.ras().byteCounts();
    p.plans.sessionStarted();
    if (sc.lastCounts)
        paceAfter(sc, p.clock().monotonicMs(), 0);
    emit s.bytesCounted(0, 0, 0);
}

void countBytes(Program& p) {
    SessionClock& sc = p.formRAS().sessionClock;
    SessionState& s = p.session;
    const std::optional<ByteCounts> now = p.ras().byteCounts();
    if (!now) {
        // No reading (the line is between devices, or the backend cannot tell): the next reading
        // starts afresh rather than counting whatever another device's counters hold.
        sc.lastCounts.reset();
        sc.paceCount = sc.paceNext = 0;
        if (s.gBytesPerSecond != 0) {
            s.gBytesPerSecond = 0;
            emit s.bytesCounted(s.gBytesReceived, s.gBytesSent, 0);
        }
        return;
    }
    quint64 rx = 0;
    quint64 tx = 0;
    if (sc.lastCounts) {
        // A counter that went back (the interface came up again) counts on from its new value.
        if (now->received >= sc.lastCounts->received)
            rx = now->received - sc.lastCounts->received;
        if (now->sent >= sc.lastCounts->sent)
            tx = now->sent - sc.lastCounts->sent;
    }
    sc.lastCounts = now;
    s.gBytesReceived += rx;
    s.gBytesSent += tx;
    const quint64 rate = paceAfter(sc, p.clock().monotonicMs(), s.gBytesReceived + s.gBytesSent);
    if (rx == 0 && tx == 0 && rate == s.gBytesPerSecond)
        return;
    s.gBytesPerSecond = rate;
    emit s.bytesCounted(s.gBytesReceived, s.gBytesSent, rate);
}

void timer_Timer(Program& p) {
    SessionClock& sc = p.formRAS().sessionClock;
    // A tick that arrives while another one (or the end of the session) is still running, from the
    // event loop of a box it opened, is dropped: the next tick catches the clock up.
    if (sc.inTick || sc.ending)
        return;
    sc.inTick = true;
    const auto done = qScopeGuard([&sc] { sc.inTick = false; });

    // 1. The active connections: may adopt one, or notice that ours has vanished.
    p.ras().EnumConnections();
    // The line's byte counters, once a tick, before the seconds (and the journal's minute) count.
    if (p.dial.gConnected)
        countBytes(p);

    // 2. and 3. The clock and the per-second work, then the limit checks, once for every second
    // counted (a late tick catches up without skipping any second's work).
    int due = p.dial.gConnected ? secondsDue(p, sc) : 0;
    if (due == 0) {
        Limits::CheckLimits(p);
    } else {
        for (; due > 0 && p.dial.gConnected; --due) {
            countOneSecond(p);
            Limits::CheckLimits(p);
        }
    }

    // The plan of the line's profile, with what the session used so far.
    if (p.dial.gConnected) {
        p.plans.check(p.dial.gDialedProfile, p.clock().nowMSecs(),
                      PlanUsage{p.session.gBytesReceived + p.session.gBytesSent, p.session.elapsedSeconds()});
    }

    // 4. Neither connected nor dialing: the session is over.
    if (!p.dial.gConnected && !p.dial.gDialing) {
        p.timer.stop();
        p.dial.setControls(true, false, std::nullopt, true);
        p.status.clear();
        p.status.add(
            QCoreApplication::translate("SessionTimer", "%1 terminated!").arg(p.dial.gDialedProfile));
        p.dial.gDialedProfile.clear();
        p.dial.gConnected = false;
        p.dial.announce();
    }
}

QString ElapsedText(const Program& p) {
    return p.session.elapsedText();
}

QString MonthFileName(const QDate& date) {
    return QStringLiteral("%1%2.txt").arg(date.year(), 4, 10, QLatin1Char('0')).arg(date.month());
}

Money RatePerSecond(const Program& p) {
    if (isTrue(p.settings.gCostPerHour))
        return tariff(p).dividedBy(3600);
    if (isTrue(p.settings.gCostPerMinute))
        return tariff(p).dividedBy(60);
    return Money();
}

void BeginSessionAccounting(Program& p) {
    SessionState& s = p.session;
    s.gWarnedTimePC = false;
    s.gWarnedTimePM = false;
    s.gWarnedCostPC = false;
    s.gWarnedCostPM = false;
    s.gWarnedFreeTime = false;
    p.dial.gUserHangup = false;
    loadMonth(p, p.clock().now().date());
}

void EndSessionAccounting(Program& p, const QString& costNote, SessionEnd how) {
    if (!p.dial.gConnected)
        return;
    SessionClock& sc = p.formRAS().sessionClock;
    if (sc.ending)
        return;
    sc.ending = true;
    const auto done = qScopeGuard([&sc] { sc.ending = false; });
    SessionState& s = p.session;

    // 1. The duration from the calendar (a clock set back counts nothing rather than a negative time).
    s.gSessionEnd = p.clock().now();
    s.gSessionSeconds =
        s.gSessionStart.isValid() ? qint32(qMax<qint64>(0, s.gSessionStart.secsTo(s.gSessionEnd))) : 0;

    // 2. and 3. The session goes into the month file whose lines were loaded when it began, so a
    // session across the end of a month neither copies nor loses a month's lines.
    if (!sc.monthFileLoaded) {
        const QDate began = s.gSessionStart.isValid() ? s.gSessionStart.date() : s.gSessionEnd.date();
        loadMonth(p, began);
    }
    s.gMonthDurations.append(s.gSessionSeconds);
    if (!sc.monthFileUnreadable) {
        QString error;
        const QString path = p.dataPath(sc.monthFile);
        if (!MonthFile::save(path, s.gMonthDurations, &error)) {
            p.boxes().msgBox(QCoreApplication::translate(
                                 "SessionTimer", "ModemTally could not write the monthly record \"%1\" (%2). "
                                                 "This connection's %3 seconds were not recorded.")
                                 .arg(path, error)
                                 .arg(s.gSessionSeconds),
                             BoxButtons::Ok, BoxIcon::Exclamation, monthFileTitle());
        }
    }
    // The record is written; a later session loads it afresh.
    sc.monthFileLoaded = false;

    // 4. The final cost, from the unrounded per-second tariff.
    const Money cost = FinalCost(p, s.gSessionSeconds);
    emit s.sessionEnded(p.dial.gDialedProfile, s.gSessionSeconds, cost, how);
    if (isTrue(p.settings.gShowCost))
        emit s.connectionCostDue(cost.toText(), costNote);
}

Money FinalCost(const Program& p, qint32 seconds) {
    const double t = double(tariff(p).units()) / 10000.0;
    double perSecond = 0.0;
    if (isTrue(p.settings.gCostPerHour))
        perSecond = t / 3600.0;
    else if (isTrue(p.settings.gCostPerMinute))
        perSecond = t / 60.0;
    return Money::fromDouble(double(seconds) * perSecond);
}

void anchorClock(Program& p) {
    SessionClock& sc = p.formRAS().sessionClock;
    sc.anchored = true;
    sc.anchorMs = p.clock().monotonicMs();
    sc.anchorElapsed = p.session.elapsedSeconds();
    startByteCount(p);
}

void resetClock(Program& p) {
    SessionState& s = p.session;
    s.gElapsedHours = s.gElapsedMinutes = s.gElapsedSeconds = 0;
    p.formRAS().sessionClock.anchored = false;
    emit s.clockReset(s.elapsedText());
}

void stopTimer(Program& p) {
    p.timer.stop();
    resetClock(p);
}

} // namespace SessionTimer
