#pragma once

#include "core/Plans.h"
#include "history/HistoryTypes.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

class JournalStore;

// The usage journal: an SQLite database in the data folder (Qt's QSQLITE driver, in the journal's
// module, loaded when the first journal is made: see JournalStore) with one row per session, beside
// the month files, which it never replaces. One Journal is one connection, used by one thread only; several
// connections (the program's writer, the History window, the command line) may use the file at once: it is in
// WAL mode, so readers never wait for the writer.
//
// The schema carries its version (PRAGMA user_version) and is brought up to date, one step at a
// time, when the journal is opened; a journal written by a newer program is left alone.
class Journal {
public:
    static constexpr int kSchemaVersion = 2;
    // The journal's file in a data folder.
    static QString fileIn(const QString& dataDir);

    explicit Journal(const QString& path);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Opens the file (creating it) and brings its schema up to date. False with the reason when it
    // cannot be opened or was written by a newer program.
    bool open(QString* error = nullptr);
    bool isOpen() const;
    QString path() const { return m_path; }
    QString lastError() const;
    int schemaVersion();

    // The month files of the data folder, once in the journal's life: one session per line that is
    // not blank, dated to the first moment of its month, marked imported, with no profile and no
    // known cost. `limits` caps the lines taken from a file (bare file name -> lines): the lines a
    // running session will be written after are not the journal's to import. Returns the number of
    // sessions imported (0 when the import was done before), -1 on a failure.
    int importMonthFiles(const QString& dataDir, const QHash<QString, int>& limits = {});

    // A session that has just begun: its row is written at once, still without an end. `owner`
    // names the process that keeps it up to date; `monthFile` and `monthLines` are the month file the
    // program will add the session to at its end and the lines it held when the session began (-1:
    // not known). Returns the row's id, 0 on a failure.
    qint64 beginSession(const History::Session& session, const QString& owner, const QString& monthFile,
                        int monthLines);
    // The running session's duration and cost so far.
    bool updateSession(qint64 id, qint64 seconds, std::optional<qint64> cost);
    // The running session's bytes received and sent so far.
    bool setBytes(qint64 id, quint64 received, quint64 sent);
    bool addWarning(qint64 id, const QString& message);
    bool endSession(qint64 id, qint64 endUtc, int endOffset, qint64 seconds, std::optional<qint64> cost,
                    History::Ended how);
    // Runs `work` as one transaction (many writes, one commit): false, and nothing written, when
    // `work` or the commit fails.
    bool inTransaction(const std::function<bool()>& work);
    // Sessions without an end (their programs running, or gone without closing them).
    int runningSessions();

    // Closes every session without an end whose program is gone (`alive` tells of an owner whether
    // its process still runs): with its last known duration, marked recovered, its duration added to
    // the month file of its start unless that file already has the session's line. Safe to stop at
    // any point and run again: the line is added once. `afterMonthFile` runs right after a month file
    // was written. Returns the number of sessions recovered, -1 on a failure.
    int recover(const QString& dataDir, const std::function<bool(const QString& owner)>& alive,
                const std::function<void()>& afterMonthFile = {});

    // What the readers ask.
    QStringList profiles();
    QList<History::Total> monthTotals(int first, int last, const std::optional<QString>& profile);
    QList<History::Total> dayTotals(int month, const std::optional<QString>& profile,
                                    History::Total* undated);
    QList<History::Total> profileTotals(const History::Filter& filter);
    // Calls `each` for every session of the period, oldest first, without holding them all.
    bool forEachSession(const History::Filter& filter,
                        const std::function<void(const History::Session&)>& each);
    QList<History::Session> sessions(const History::Filter& filter);
    // A profile's bytes (received and sent) and seconds in the sessions that began in [fromUtc,
    // toUtc) and have ended; nothing on a failure.
    // With `withRunning`, the sessions still running count with their last written figures.
    std::optional<PlanUsage> usage(const QString& profile, qint64 fromUtc, qint64 toUtc,
                                   bool withRunning = false);

private:
    QString m_path;
    QString m_loadError;                   // why the module could not be loaded (before m_store,
                                           // which its loading sets)
    std::unique_ptr<JournalStore> m_store; // none when the module could not be loaded
};
