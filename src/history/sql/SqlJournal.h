#pragma once

#include "history/JournalStore.h"

#include <QSqlDatabase>

class QSqlQuery;

// The journal's SQLite store (Qt's QSQLITE driver): what Journal does, in the journal's module.
class SqlJournal final : public JournalStore {
public:
    explicit SqlJournal(const QString& path);
    ~SqlJournal() override;
    SqlJournal(const SqlJournal&) = delete;
    SqlJournal& operator=(const SqlJournal&) = delete;

    bool open(QString* error) override;
    bool isOpen() const override { return m_open; }
    QString lastError() const override { return m_error; }
    int schemaVersion() override;
    int importMonthFiles(const QString& dataDir, const QHash<QString, int>& limits) override;
    qint64 beginSession(const History::Session& session, const QString& owner, const QString& monthFile,
                        int monthLines) override;
    bool updateSession(qint64 id, qint64 seconds, std::optional<qint64> cost) override;
    bool setBytes(qint64 id, quint64 received, quint64 sent) override;
    bool addWarning(qint64 id, const QString& message) override;
    bool endSession(qint64 id, qint64 endUtc, int endOffset, qint64 seconds, std::optional<qint64> cost,
                    History::Ended how) override;
    bool inTransaction(const std::function<bool()>& work) override;
    int runningSessions() override;
    int recover(const QString& dataDir, const std::function<bool(const QString& owner)>& alive,
                const std::function<void()>& afterMonthFile) override;
    QStringList profiles() override;
    QList<History::Total> monthTotals(int first, int last, const std::optional<QString>& profile) override;
    QList<History::Total> dayTotals(int month, const std::optional<QString>& profile,
                                    History::Total* undated) override;
    QList<History::Total> profileTotals(const History::Filter& filter) override;
    bool forEachSession(const History::Filter& filter,
                        const std::function<void(const History::Session&)>& each) override;
    QList<History::Session> sessions(const History::Filter& filter) override;
    std::optional<PlanUsage> usage(const QString& profile, qint64 fromUtc, qint64 toUtc,
                                   bool withRunning) override;

private:
    bool exec(const QString& sql);
    bool fail(const QString& what, const QString& reason);
    bool migrate();
    bool newer(int version);
    // Sums of seconds, cost and sessions per local day between two day numbers (both included).
    QList<History::Total> perDay(qint64 firstDay, qint64 lastDay, const std::optional<QString>& profile,
                                 bool withImported, History::Total* imported);

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_open = false;
    QString m_error;
    std::unique_ptr<QSqlQuery> m_update; // the per-minute update, prepared once
};
