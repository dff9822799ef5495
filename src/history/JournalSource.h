#pragma once

#include "history/HistorySource.h"

#include <functional>
#include <memory>

class Journal;
class PlanBook;
class QDateTime;

// The History window's reader: a connection of its own to the journal, on the thread of the window.
// Opening it on a new journal imports the month files, as any first use does.
class JournalSource final : public HistorySource {
public:
    JournalSource(const QString& dataDir, std::function<QDate()> today);
    ~JournalSource() override;

    QString error() const override { return m_error; }
    QDate today() const override { return m_today(); }
    QStringList profiles() override;
    QList<History::Total> monthTotals(int first, int last, const std::optional<QString>& profile) override;
    QList<History::Total> dayTotals(int month, const std::optional<QString>& profile,
                                    History::Total* undated) override;
    QList<History::Total> profileTotals(const History::Filter& filter) override;
    QList<History::Session> sessions(const History::Filter& filter) override;
    QList<History::PlanCycle> planCycles(int cycles) override;
    // The plans whose cycles planCycles reads, and the clock of their projections.
    void setPlans(const PlanBook* plans, std::function<QDateTime()> now);
    QString moneyText(qint64 units) const override;
    bool exportTo(const QString& path, History::Format format, const History::Filter& filter,
                  QString* error) override;

private:
    std::unique_ptr<Journal> m_journal;
    std::function<QDate()> m_today;
    const PlanBook* m_plans = nullptr;
    std::function<QDateTime()> m_now;
    QString m_error;
};
