#pragma once

#include "core/Money.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// A line's plan: what a billing cycle includes and what more costs. Allowances count decimal units
// (1 MB = 1,000,000 bytes), as tariffs do.
struct Plan {
    static constexpr quint64 kBytesPerMB = 1000000;
    // Data included per cycle, received and sent together; 0: no data allowance.
    quint64 dataAllowanceBytes = 0;
    // Connection time included per cycle; 0: no time allowance.
    qint64 timeAllowanceSeconds = 0;
    // The day of the month each cycle begins, 1 to 31; in a shorter month, its last day.
    int cycleFirstDay = 1;
    // What each megabyte past the data allowance costs.
    Money pricePerExtraMB;
    // Percentages of an allowance that warn once per cycle each, ascending.
    QList<int> thresholds{80, 100};

    bool hasAllowance() const { return dataAllowanceBytes > 0 || timeAllowanceSeconds > 0; }
    bool operator==(const Plan&) const = default;
};

// What a profile used in a cycle.
struct PlanUsage {
    quint64 bytes = 0;
    qint64 seconds = 0;
    PlanUsage& operator+=(const PlanUsage& o) {
        bytes += o.bytes;
        seconds += o.seconds;
        return *this;
    }
};

// The calendar of billing cycles and the projection of a cycle's use: pure functions of their
// arguments (the local time zone aside).
namespace PlanMath {

// The day a cycle begins in that month: firstDay, or the month's last day when it has fewer days.
QDate cycleStartIn(int year, int month, int firstDay);

// One billing cycle: from the start of its first day to the start of the next cycle's first day.
struct Cycle {
    QDate first;
    QDate next;
    // Its last day (the day before the next cycle begins).
    QDate last() const { return next.addDays(-1); }
    // Its first and next-first days' local midnights (a daylight-saving change inside makes it an
    // hour shorter or longer than its days).
    QDateTime begins() const { return first.startOfDay(); }
    QDateTime ends() const { return next.startOfDay(); }
    bool operator==(const Cycle&) const = default;
};
// The cycle that holds that day.
Cycle cycleOf(const QDate& day, int firstDay);

// Used so far, carried to the cycle's end at the pace of the time elapsed in it.
struct Projection {
    double atCycleEnd = 0; // what the cycle would have used at its end at this pace
    // When the allowance would be used up at this pace: invalid when it lasts the cycle (or no pace
    // is known yet); `now` when it is used up already.
    QDateTime runsOut;
};
// `used` and `allowance` in any one unit (bytes, seconds); times in milliseconds since the epoch.
Projection project(double used, double allowance, qint64 cycleBeginsMs, qint64 cycleEndsMs, qint64 nowMs);

// What the use past the data allowance costs: each started megabyte past it at the plan's price.
Money extraCost(quint64 usedBytes, const Plan& plan);

// Thresholds as typed ("80, 100"): whole percentages 1 to 1000, sorted, each once. False (and
// nothing stored) for anything else.
bool parseThresholds(const QString& text, QList<int>* thresholds);
QString thresholdsText(const QList<int>& thresholds);

} // namespace PlanMath
