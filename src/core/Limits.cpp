#include "core/Limits.h"

#include "core/Program.h"
#include "core/SessionTimer.h"
#include "core/YesNo.h"

namespace Limits {
namespace {

// A time limit of hours (a variant setting) and minutes, in seconds. A huge hours value must not wrap
// into a small or negative limit: past a million years it is simply never reached.
qint64 timeLimit(const QString& hours, qint16 minutes) {
    constexpr qint64 kMaxHours = qint64(1) << 40;
    return qBound(-kMaxHours, variantNumber(hours), kMaxHours) * 3600 + qint64(minutes) * 60;
}

// Whether rate x seconds exceeds the limit, exactly. An absurd tariff whose cost does not fit in 64
// bits exceeds every limit (when positive) rather than wrapping around into a small cost.
bool costExceeds(Money ratePerSecond, qint64 seconds, Money limit) {
    qint64 product = 0;
    if (__builtin_mul_overflow(ratePerSecond.units(), seconds, &product))
        return (ratePerSecond.units() > 0) == (seconds > 0);
    return product > limit.units();
}

// The hours or dollars setting as it appears in a message and in a cost limit: decimal, no leading
// zeros.
QString wholeText(const QString& variant) {
    return QString::number(variantNumber(variant));
}

// A cost limit: dollars, a point and the cents value without leading zeros (2 and 5 make 2.5).
Money costLimit(const QString& dollars, qint16 cents) {
    return Money::fromDollarsCents(wholeText(dollars), QString::number(cents));
}

// Runs one check: only when enabled and not yet warned this session; warns when the condition holds.
// The message is made only then: the checks run every second of a session.
template <typename Exceeded, typename Message>
void check(Program& program, const QString& enabled, bool& warned, Exceeded exceeded, Message message) {
    if (!isTrue(enabled) || warned)
        return;
    if (!exceeded())
        return;
    emit program.session.warningDue(message());
    warned = true;
}

} // namespace

void CheckLimits(Program& program) {
    CheckLimits(program, SessionTimer::RatePerSecond(program));
}

void CheckLimits(Program& program, Money ratePerSecond) {
    const Settings& s = program.settings;
    SessionState& ss = program.session;
    const qint64 elapsed = ss.elapsedSeconds();
    const qint64 month = qint64(ss.gMonthSecondsBefore) + elapsed;

    check(
        program, s.gWarnTimePC, ss.gWarnedTimePC,
        [&] { return elapsed > timeLimit(s.gWarnTimePCHours, s.gWarnTimePCMinutes); },
        [&] {
            return QCoreApplication::translate(
                       "Limits", "Connection time exceeded the time limit of %1 hours and %2 minutes!")
                .arg(wholeText(s.gWarnTimePCHours), QString::number(s.gWarnTimePCMinutes));
        });

    check(
        program, s.gWarnTimePM, ss.gWarnedTimePM,
        [&] { return month > timeLimit(s.gWarnTimePMHours, s.gWarnTimePMMinutes); },
        [&] {
            return QCoreApplication::translate(
                       "Limits",
                       "Connection time exceeded the monthly time limite of %1 hours and %2 minutes!")
                .arg(wholeText(s.gWarnTimePMHours), QString::number(s.gWarnTimePMMinutes));
        });

    check(
        program, s.gWarnCostPC, ss.gWarnedCostPC,
        [&] {
            return costExceeds(ratePerSecond, elapsed, costLimit(s.gWarnCostPCDollars, s.gWarnCostPCCents));
        },
        [&] {
            return QCoreApplication::translate("Limits", "Connection cost exceeded the limit of $ %1.")
                .arg(wholeText(s.gWarnCostPCDollars) + QLatin1Char('.') +
                     QString::number(s.gWarnCostPCCents));
        });

    check(
        program, s.gWarnCostPM, ss.gWarnedCostPM,
        [&] {
            return costExceeds(ratePerSecond, month, costLimit(s.gWarnCostPMDollars, s.gWarnCostPMCents));
        },
        [&] {
            return QCoreApplication::translate("Limits",
                                               "Connection cost exceeded the monthly limit of $ %1.")
                .arg(wholeText(s.gWarnCostPMDollars) + QLatin1Char('.') +
                     QString::number(s.gWarnCostPMCents));
        });

    if (isFalse(s.gUnlimitedTime))
        check(
            program, s.gWarnFreeTime, ss.gWarnedFreeTime,
            [&] { return month > timeLimit(s.gFreeHours, s.gFreeMinutes); },
            [&] {
                return QCoreApplication::translate("Limits",
                                                   "Connection time exceeded the free allocated time!");
            });
}

bool ReminderDue(int hours, int minutes, int seconds, int interval, bool inMinutes, bool inHours) {
    // An interval below 1 would divide by zero (or count backwards): such a reminder never fires.
    if (interval < 1)
        return false;
    if (inMinutes && minutes != 0 && seconds == 0 && minutes >= interval && minutes % interval == 0)
        return true;
    if (inHours && hours != 0 && minutes == 0 && seconds == 0 && hours % interval == 0)
        return true;
    return false;
}

void CheckReminder(Program& program) {
    const Settings& s = program.settings;
    const SessionState& ss = program.session;
    // The hour rule is the "otherwise" branch: it is only consulted when the minute rule is off or
    // does not match, which ReminderDue's order already gives.
    if (!ReminderDue(ss.gElapsedHours, ss.gElapsedMinutes, ss.gElapsedSeconds, s.gReminderInterval,
                     isTrue(s.gReminderInMinutes), isTrue(s.gReminderInHours)))
        return;
    emit program.session.reminderDue(SessionTimer::ElapsedText(program));
}

} // namespace Limits
