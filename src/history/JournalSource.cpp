#include "history/JournalSource.h"

#include "core/Money.h"
#include "core/PlanBook.h"
#include "history/Export.h"
#include "history/Journal.h"

using History::Total;

JournalSource::JournalSource(const QString& dataDir, std::function<QDate()> today)
    : m_journal(std::make_unique<Journal>(Journal::fileIn(dataDir))), m_today(std::move(today)) {
    if (m_journal->open(&m_error) && m_journal->importMonthFiles(dataDir) < 0)
        m_error = m_journal->lastError();
}

JournalSource::~JournalSource() = default;

QStringList JournalSource::profiles() {
    return m_journal->isOpen() ? m_journal->profiles() : QStringList();
}

QList<Total> JournalSource::monthTotals(int first, int last, const std::optional<QString>& profile) {
    return m_journal->isOpen() ? m_journal->monthTotals(first, last, profile) : QList<Total>();
}

QList<Total> JournalSource::dayTotals(int month, const std::optional<QString>& profile, Total* undated) {
    return m_journal->isOpen() ? m_journal->dayTotals(month, profile, undated) : QList<Total>();
}

QList<Total> JournalSource::profileTotals(const History::Filter& filter) {
    return m_journal->isOpen() ? m_journal->profileTotals(filter) : QList<Total>();
}

QList<History::Session> JournalSource::sessions(const History::Filter& filter) {
    return m_journal->isOpen() ? m_journal->sessions(filter) : QList<History::Session>();
}

QString JournalSource::moneyText(qint64 units) const {
    return Money::fromUnits(units).toText();
}

bool JournalSource::exportTo(const QString& path, History::Format format, const History::Filter& filter,
                             QString* error) {
    if (!m_journal->isOpen()) {
        if (error)
            *error = m_error;
        return false;
    }
    return HistoryExport::writeFile(*m_journal, filter, format, path, error);
}

void JournalSource::setPlans(const PlanBook* plans, std::function<QDateTime()> now) {
    m_plans = plans;
    m_now = std::move(now);
}

QList<History::PlanCycle> JournalSource::planCycles(int cycles) {
    QList<History::PlanCycle> out;
    if (!m_plans || !m_now || !m_journal->isOpen())
        return out;
    const QDateTime now = m_now();
    for (const QString& profile : m_plans->profiles()) {
        const std::optional<Plan> plan = m_plans->plan(profile);
        if (!plan || !plan->hasAllowance())
            continue;
        PlanMath::Cycle c = PlanMath::cycleOf(now.date(), plan->cycleFirstDay);
        for (int i = 0; i < cycles; ++i) {
            const qint64 begins = c.begins().toMSecsSinceEpoch();
            const qint64 ends = c.ends().toMSecsSinceEpoch();
            // The running session's row counts too, with what it had at its last minute.
            const PlanUsage used =
                m_journal->usage(profile, begins / 1000, ends / 1000, true).value_or(PlanUsage{});
            History::PlanCycle pc;
            pc.profile = profile;
            pc.first = c.first;
            pc.last = c.last();
            pc.bytes = used.bytes;
            pc.seconds = used.seconds;
            pc.allowanceBytes = plan->dataAllowanceBytes;
            pc.allowanceSeconds = plan->timeAllowanceSeconds;
            const bool priced = plan->dataAllowanceBytes > 0 && plan->pricePerExtraMB != Money();
            if (priced)
                pc.extraCost = PlanMath::extraCost(used.bytes, *plan).units();
            if (i == 0) {
                const qint64 nowMs = now.toMSecsSinceEpoch();
                pc.current = true;
                pc.projectedBytes = PlanMath::project(double(used.bytes), double(plan->dataAllowanceBytes),
                                                      begins, ends, nowMs)
                                        .atCycleEnd;
                pc.projectedSeconds =
                    PlanMath::project(double(used.seconds), double(plan->timeAllowanceSeconds), begins, ends,
                                      nowMs)
                        .atCycleEnd;
                pc.daysLeft = int(now.date().daysTo(c.next));
                if (priced)
                    pc.projectedExtraCost =
                        PlanMath::extraCost(quint64(qMin(pc.projectedBytes, 1.8e19)), *plan).units();
            }
            out << pc;
            c = PlanMath::cycleOf(c.first.addDays(-1), plan->cycleFirstDay);
        }
    }
    return out;
}
