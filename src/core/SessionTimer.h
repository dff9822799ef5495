#pragma once

#include "core/Money.h"
#include "core/State.h"
#include "platform/RasControl.h"

#include <array>
#include <optional>

#include <QDate>
#include <QString>

class Program;

// The one-second session tick, the session clock and the monthly record.
namespace SessionTimer {
void timer_Timer(Program& program);
QString ElapsedText(const Program& program);
QString MonthFileName(const QDate& date);
Money RatePerSecond(const Program& program);
// The cost of a session of that many seconds, from the unrounded per-second tariff.
Money FinalCost(const Program& program, qint32 seconds);
void BeginSessionAccounting(Program& program);
// Ends the session (only while connected): records the duration, announces the session's end (and
// how it ended), and asks for the cost window when enabled, with the given note ("" for none).
void EndSessionAccounting(Program& program, const QString& costNote = {},
                          SessionEnd how = SessionEnd::HungUp);

// The clock counts the seconds really spent connected. anchorClock marks the moment the connection
// came up ("Connected" or an adoption); a tick that arrives late catches up from the monotonic clock.
void anchorClock(Program& program);
// Sets the session clock to 0 : 0 : 0 and forgets the anchor (every reset of the clock goes here).
void resetClock(Program& program);
// Starts the session's byte counts from zero at the counters' present reading (called by anchorClock).
void startByteCount(Program& program);
// Reads the line's counters and adds what they grew by since the last reading (once per tick).
void countBytes(Program& program);
// Ends a session the redial limit or the tick itself found over: timer off, clock at 0 : 0 : 0.
void stopTimer(Program& program);
} // namespace SessionTimer

// Bookkeeping behind the session clock and the monthly record, kept on the hidden form beside the
// redial timer (one per program).
struct SessionClock {
    bool anchored = false;
    qint64 anchorMs = 0;      // monotonic time at the anchor
    qint32 anchorElapsed = 0; // seconds already on the clock at the anchor
    bool inTick = false;      // a tick is running (a nested tick, from a box's event loop, is dropped)
    bool ending = false;      // EndSessionAccounting is running
    QString monthFile;        // bare name of the month file loaded by BeginSessionAccounting
    bool monthFileLoaded = false;
    bool monthFileUnreadable = false; // it exists but could not be read: it must not be overwritten
    // The counters' last reading (none: the next reading only sets the base), and the session's
    // byte total at the last few readings, for the pace.
    std::optional<ByteCounts> lastCounts;
    struct Sample {
        qint64 ms = 0;
        quint64 total = 0;
    };
    static constexpr int kPaceSamples = 6; // the pace spans the last five intervals
    std::array<Sample, kPaceSamples> pace{};
    int paceCount = 0; // samples held, up to kPaceSamples
    int paceNext = 0;  // where the next one goes
};
