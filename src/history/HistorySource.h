#pragma once

#include "history/HistoryTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the History window reads: the journal's totals and sessions, asked through this interface so
// that the window's module (loaded when the window first opens) links no copy of the journal.
class HistorySource {
public:
    virtual ~HistorySource() = default;

    // Why the journal cannot be read (empty when it can).
    virtual QString error() const = 0;
    // Today's date, as the program's clock has it.
    virtual QDate today() const = 0;
    // The profiles that have sessions, in name order (the imported sessions have none).
    virtual QStringList profiles() = 0;
    // One total per month from `first` to `last` (month indexes), empty months included.
    virtual QList<History::Total> monthTotals(int first, int last, const std::optional<QString>& profile) = 0;
    // One total per day of the month, and in *undated the sessions imported from its month file,
    // whose day is unknown.
    virtual QList<History::Total> dayTotals(int month, const std::optional<QString>& profile,
                                            History::Total* undated) = 0;
    // Each profile's time, cost and sessions in the period, the largest first.
    virtual QList<History::Total> profileTotals(const History::Filter& filter) = 0;
    // The sessions of the period, oldest first.
    virtual QList<History::Session> sessions(const History::Filter& filter) = 0;
    // For each profile with a plan: its current cycle and the `cycles` - 1 before it, newest first
    // (profiles in name order).
    virtual QList<History::PlanCycle> planCycles(int cycles) {
        Q_UNUSED(cycles);
        return {};
    }
    // An amount as the program writes money: 1.5, 0.0521, 2.
    virtual QString moneyText(qint64 units) const = 0;
    // Writes the sessions of the period to a file as CSV or JSON; false with the reason.
    virtual bool exportTo(const QString& path, History::Format format, const History::Filter& filter,
                          QString* error) = 0;
};
