#include "history/JournalSource.h"

#include "core/Money.h"
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
