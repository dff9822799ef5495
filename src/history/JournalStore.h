#pragma once

#include "core/Plans.h"
#include "history/HistoryTypes.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <functional>
#include <memory>
#include <optional>

// What the journal's database does, behind Journal: the SQLite implementation lives in the journal's
// module (modemtally-journal.so, with Qt's SQL library), loaded the first time a journal is opened,
// so that a start maps no SQL code. Each operation is Journal's of the same name.
class JournalStore {
public:
    virtual ~JournalStore() = default;
    virtual bool open(QString* error) = 0;
    virtual bool isOpen() const = 0;
    virtual QString lastError() const = 0;
    virtual int schemaVersion() = 0;
    virtual int importMonthFiles(const QString& dataDir, const QHash<QString, int>& limits) = 0;
    virtual qint64 beginSession(const History::Session& session, const QString& owner,
                                const QString& monthFile, int monthLines) = 0;
    virtual bool updateSession(qint64 id, qint64 seconds, std::optional<qint64> cost) = 0;
    virtual bool setBytes(qint64 id, quint64 received, quint64 sent) = 0;
    virtual bool addWarning(qint64 id, const QString& message) = 0;
    virtual bool endSession(qint64 id, qint64 endUtc, int endOffset, qint64 seconds,
                            std::optional<qint64> cost, History::Ended how) = 0;
    virtual bool inTransaction(const std::function<bool()>& work) = 0;
    virtual int runningSessions() = 0;
    virtual int recover(const QString& dataDir, const std::function<bool(const QString& owner)>& alive,
                        const std::function<void()>& afterMonthFile) = 0;
    virtual QStringList profiles() = 0;
    virtual QList<History::Total> monthTotals(int first, int last, const std::optional<QString>& profile) = 0;
    virtual QList<History::Total> dayTotals(int month, const std::optional<QString>& profile,
                                            History::Total* undated) = 0;
    virtual QList<History::Total> profileTotals(const History::Filter& filter) = 0;
    virtual bool forEachSession(const History::Filter& filter,
                                const std::function<void(const History::Session&)>& each) = 0;
    virtual QList<History::Session> sessions(const History::Filter& filter) = 0;
    virtual std::optional<PlanUsage> usage(const QString& profile, qint64 fromUtc, qint64 toUtc,
                                           bool withRunning) = 0;
};

// The journal's module makes its store through this interface.
class JournalStoreFactory {
public:
    virtual ~JournalStoreFactory() = default;
    virtual std::unique_ptr<JournalStore> createJournalStore(const QString& path) = 0;
};

#define JournalStoreFactory_iid "org.modemtally.JournalStoreFactory/1"
Q_DECLARE_INTERFACE(JournalStoreFactory, JournalStoreFactory_iid)
