#include "history/sql/SqlJournal.h"
#include "history/Journal.h"

#include "core/MonthFile.h"
#include "core/SessionTimer.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <iterator>
#include <limits>

using History::Ended;
using History::Session;

namespace {

QAtomicInteger<quint64> gConnections;

// The schema, one step per version: step N brings a journal of version N - 1 to version N.
//
// Version 1: the sessions and a table of facts about the journal itself (when the month files were
// imported). A running session has ended = 'running'; `owner` names the process that keeps it up to
// date, `month_file` and `month_lines` the month file it goes into and the lines that file held
// when the session began, so that recovery adds its line once.
// Version 2: each session's local day (days since 1970-01-01 in the local time of its start), kept
// in the row and indexed, so that a month's or a year's totals read only that period's rows.
const char* const kSteps[] = {
    R"(CREATE TABLE sessions (
           id INTEGER PRIMARY KEY,
           profile TEXT NOT NULL DEFAULT '',
           backend TEXT NOT NULL DEFAULT '',
           start_utc INTEGER NOT NULL,
           start_offset INTEGER NOT NULL,
           end_utc INTEGER,
           end_offset INTEGER,
           seconds INTEGER NOT NULL DEFAULT 0,
           cost INTEGER,
           bytes_received INTEGER NOT NULL DEFAULT 0,
           bytes_sent INTEGER NOT NULL DEFAULT 0,
           ended TEXT NOT NULL DEFAULT 'running',
           adopted INTEGER NOT NULL DEFAULT 0,
           warnings TEXT NOT NULL DEFAULT '',
           owner TEXT,
           month_file TEXT,
           month_lines INTEGER);
       CREATE INDEX sessions_start ON sessions (start_utc);
       CREATE INDEX sessions_running ON sessions (ended) WHERE ended = 'running';
       CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL);)",
    R"(ALTER TABLE sessions ADD COLUMN local_day INTEGER;
       UPDATE sessions SET local_day = CASE WHEN start_utc + start_offset >= 0
                                            THEN (start_utc + start_offset) / 86400
                                            ELSE -((86399 - start_utc - start_offset) / 86400) END;
       CREATE INDEX sessions_day ON sessions (local_day, profile);)",
};
static_assert(std::size(kSteps) == Journal::kSchemaVersion);

// A text never bound as SQL's NULL (a null QString would be).
QString text(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

// A value, or SQL's NULL for none.
QVariant nullable(const std::optional<qint64>& v) {
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<qint64>());
}

// A month file's name: the year's four digits and the month without a leading zero.
bool monthOfFile(const QString& name, QDate* month) {
    static const QRegularExpression re(QStringLiteral("^(\\d{4})([1-9]|1[0-2])\\.txt$"));
    const QRegularExpressionMatch m = re.match(name);
    if (!m.hasMatch())
        return false;
    *month = QDate(m.captured(1).toInt(), m.captured(2).toInt(), 1);
    return month->isValid();
}

} // namespace

SqlJournal::SqlJournal(const QString& path)
    : m_path(path), m_connection(QStringLiteral("mt-journal-%1").arg(gConnections.fetchAndAddRelaxed(1))) {}

SqlJournal::~SqlJournal() {
    m_update.reset();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool SqlJournal::fail(const QString& what, const QString& reason) {
    m_error = QStringLiteral("%1: %2").arg(what, reason);
    return false;
}

bool SqlJournal::newer(int version) {
    return fail(QStringLiteral("the journal %1").arg(m_path),
                QStringLiteral("it was written by a newer ModemTally (schema %1; this one knows %2)")
                    .arg(version)
                    .arg(Journal::kSchemaVersion));
}

bool SqlJournal::exec(const QString& sql) {
    QSqlQuery q(m_db);
    if (!q.exec(sql))
        return fail(QStringLiteral("the journal %1").arg(m_path), q.lastError().text());
    return true;
}

bool SqlJournal::open(QString* error) {
    if (m_open)
        return true;
    const auto done = [&](bool ok) {
        if (!ok && error)
            *error = m_error;
        return ok;
    };
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return done(fail(QStringLiteral("the journal"),
                         QStringLiteral("Qt's SQLite driver (package libqt6sql6-sqlite) is not installed")));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open())
        return done(fail(QStringLiteral("cannot open the journal %1").arg(m_path), m_db.lastError().text()));
    // A journal of a newer program is left exactly as it is, its log mode included.
    if (schemaVersion() > Journal::kSchemaVersion)
        return done(newer(schemaVersion()));
    // WAL: readers and the writer do not wait for each other, and a commit appends to the log rather
    // than rewriting pages. FULL: each commit is on the disk before it returns, so a session's row
    // survives a power cut (the writes are a few a minute, on a thread of their own).
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !exec(QStringLiteral("PRAGMA synchronous=FULL")) || !migrate())
        return done(false);
    m_open = true;
    return done(true);
}

int SqlJournal::schemaVersion() {
    QSqlQuery q(m_db);
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : -1;
}

bool SqlJournal::migrate() {
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const int version = schemaVersion();
    bool ok = version >= 0;
    if (version > Journal::kSchemaVersion) {
        exec(QStringLiteral("ROLLBACK"));
        return newer(version);
    }
    for (int step = version; ok && step < Journal::kSchemaVersion; ++step) {
        // One statement at a time: the driver runs only the first of several.
        const QStringList statements =
            QString::fromLatin1(kSteps[step]).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& s : statements)
            if (!s.trimmed().isEmpty() && !exec(s))
                ok = false;
    }
    if (ok && version < Journal::kSchemaVersion)
        ok = exec(QStringLiteral("PRAGMA user_version = %1").arg(Journal::kSchemaVersion));
    if (!ok) {
        const QString reason = m_error;
        exec(QStringLiteral("ROLLBACK"));
        m_error = reason;
        return false;
    }
    return exec(QStringLiteral("COMMIT"));
}

int SqlJournal::importMonthFiles(const QString& dataDir, const QHash<QString, int>& limits) {
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return -1;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = 'month_files_imported'"));
    if (!q.exec()) {
        exec(QStringLiteral("ROLLBACK"));
        return -1;
    }
    const bool done = q.next();
    q.finish();
    if (done) {
        exec(QStringLiteral("ROLLBACK"));
        return 0;
    }
    QSqlQuery insert(m_db);
    insert.prepare(QStringLiteral("INSERT INTO sessions (start_utc, start_offset, seconds, ended, local_day) "
                                  "VALUES (?, ?, ?, 'imported', ?)"));
    int imported = 0;
    bool ok = true;
    const QStringList names = QDir(dataDir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QDate month;
        if (!monthOfFile(name, &month))
            continue;
        QStringList lines;
        if (MonthFile::read(QDir(dataDir).filePath(name), &lines, nullptr) != MonthFile::ReadResult::Read)
            continue;
        const qsizetype count = qMin<qsizetype>(lines.size(), limits.value(name, int(lines.size())));
        // The first moment of the month in local time (midnight may not exist on a day the clocks
        // change: the first valid moment of that day).
        const QDateTime start = month.startOfDay();
        for (qsizetype i = 0; i < count && ok; ++i) {
            if (lines.at(i).trimmed().isEmpty())
                continue;
            insert.addBindValue(start.toSecsSinceEpoch());
            insert.addBindValue(start.offsetFromUtc());
            insert.addBindValue(MonthFile::lineSeconds(lines.at(i)));
            insert.addBindValue(History::dayNumber(month));
            ok = insert.exec();
            ++imported;
        }
    }
    if (ok) {
        q.prepare(QStringLiteral("INSERT INTO meta (key, value) VALUES ('month_files_imported', ?)"));
        q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        ok = q.exec();
    }
    if (!ok) {
        fail(QStringLiteral("cannot import the month files into %1").arg(m_path),
             (insert.lastError().isValid() ? insert.lastError() : q.lastError()).text());
        const QString reason = m_error;
        exec(QStringLiteral("ROLLBACK"));
        m_error = reason;
        return -1;
    }
    return exec(QStringLiteral("COMMIT")) ? imported : -1;
}

qint64 SqlJournal::beginSession(const Session& s, const QString& owner, const QString& monthFile,
                                int monthLines) {
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("INSERT INTO sessions (profile, backend, start_utc, start_offset, seconds, cost, "
                       "adopted, owner, month_file, month_lines, local_day) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(text(s.profile));
    q.addBindValue(text(s.backend));
    q.addBindValue(s.startUtc);
    q.addBindValue(s.startOffset);
    q.addBindValue(s.seconds);
    q.addBindValue(nullable(s.cost));
    q.addBindValue(s.adopted ? 1 : 0);
    q.addBindValue(owner);
    q.addBindValue(monthFile);
    q.addBindValue(monthLines >= 0 ? QVariant(monthLines) : QVariant(QMetaType::fromType<int>()));
    q.addBindValue(s.day());
    if (!q.exec()) {
        fail(QStringLiteral("cannot write a session into %1").arg(m_path), q.lastError().text());
        return 0;
    }
    return q.lastInsertId().toLongLong();
}

bool SqlJournal::updateSession(qint64 id, qint64 seconds, std::optional<qint64> cost) {
    if (!m_update) {
        m_update = std::make_unique<QSqlQuery>(m_db);
        m_update->prepare(QStringLiteral("UPDATE sessions SET seconds = ?, cost = ? WHERE id = ?"));
    }
    m_update->bindValue(0, seconds);
    m_update->bindValue(1, nullable(cost));
    m_update->bindValue(2, id);
    if (!m_update->exec())
        return fail(QStringLiteral("cannot update a session in %1").arg(m_path),
                    m_update->lastError().text());
    return true;
}

bool SqlJournal::setBytes(qint64 id, quint64 received, quint64 sent) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE sessions SET bytes_received = ?, bytes_sent = ? WHERE id = ?"));
    // SQLite's integers are signed 64-bit: a count past that (never reached) is kept at the largest.
    q.addBindValue(qint64(qMin<quint64>(received, quint64(std::numeric_limits<qint64>::max()))));
    q.addBindValue(qint64(qMin<quint64>(sent, quint64(std::numeric_limits<qint64>::max()))));
    q.addBindValue(id);
    if (!q.exec())
        return fail(QStringLiteral("cannot write a session's bytes into %1").arg(m_path),
                    q.lastError().text());
    return true;
}

bool SqlJournal::addWarning(qint64 id, const QString& message) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE sessions SET warnings = CASE WHEN warnings = '' THEN ? "
                             "ELSE warnings || char(10) || ? END WHERE id = ?"));
    q.addBindValue(text(message));
    q.addBindValue(text(message));
    q.addBindValue(id);
    if (!q.exec())
        return fail(QStringLiteral("cannot write a warning into %1").arg(m_path), q.lastError().text());
    return true;
}

bool SqlJournal::endSession(qint64 id, qint64 endUtc, int endOffset, qint64 seconds,
                            std::optional<qint64> cost, Ended how) {
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("UPDATE sessions SET end_utc = ?, end_offset = ?, seconds = ?, cost = ?, ended = ?, "
                       "owner = NULL WHERE id = ?"));
    q.addBindValue(endUtc);
    q.addBindValue(endOffset);
    q.addBindValue(seconds);
    q.addBindValue(nullable(cost));
    q.addBindValue(History::endedKey(how));
    q.addBindValue(id);
    if (!q.exec())
        return fail(QStringLiteral("cannot close a session in %1").arg(m_path), q.lastError().text());
    return true;
}

bool SqlJournal::inTransaction(const std::function<bool()>& work) {
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (!work() || !exec(QStringLiteral("COMMIT"))) {
        const QString reason = m_error;
        exec(QStringLiteral("ROLLBACK"));
        m_error = reason;
        return false;
    }
    return true;
}

int SqlJournal::runningSessions() {
    QSqlQuery q(m_db);
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM sessions WHERE ended = 'running'")) && q.next()
               ? q.value(0).toInt()
               : -1;
}

int SqlJournal::recover(const QString& dataDir, const std::function<bool(const QString&)>& alive,
                        const std::function<void()>& afterMonthFile) {
    struct Open {
        qint64 id, startUtc;
        int startOffset;
        qint64 seconds;
        QString monthFile;
        QVariant monthLines;
    };
    QList<Open> gone;
    {
        QSqlQuery q(m_db);
        if (!q.exec(
                QStringLiteral("SELECT id, owner, start_utc, start_offset, seconds, month_file, month_lines "
                               "FROM sessions WHERE ended = 'running' ORDER BY id"))) {
            fail(QStringLiteral("cannot read %1").arg(m_path), q.lastError().text());
            return -1;
        }
        while (q.next()) {
            if (alive(q.value(1).toString()))
                continue;
            gone.append(Open{q.value(0).toLongLong(), q.value(2).toLongLong(), q.value(3).toInt(),
                             q.value(4).toLongLong(), q.value(5).toString(), q.value(6)});
        }
    }
    int recovered = 0;
    for (Open& o : gone) {
        // The month file the program would have added the session to at its end; a session without
        // one goes into the month of its start.
        QString name = o.monthFile;
        if (name.isEmpty())
            name =
                SessionTimer::MonthFileName(History::dateOfDay(History::localDay(o.startUtc, o.startOffset)));
        const QString path = QDir(dataDir).filePath(name);
        QStringList lines;
        qint64 seconds = o.seconds;
        const bool readable = MonthFile::read(path, &lines, nullptr) != MonthFile::ReadResult::Failed;
        if (readable) {
            if (o.monthLines.isNull()) {
                // Not known when the session began: the lines now, kept before the file is written,
                // so that a recovery stopped after the write does not add the line again.
                QSqlQuery q(m_db);
                q.prepare(QStringLiteral("UPDATE sessions SET month_file = ?, month_lines = ? WHERE id = ?"));
                q.addBindValue(name);
                q.addBindValue(int(lines.size()));
                q.addBindValue(o.id);
                if (!q.exec()) {
                    fail(QStringLiteral("cannot recover a session in %1").arg(m_path), q.lastError().text());
                    return -1;
                }
                o.monthLines = int(lines.size());
            }
            const int before = o.monthLines.toInt();
            if (lines.size() > before) {
                // The file has the session's line already: the program wrote it as the session
                // ended (and was stopped before the journal heard of it), or an earlier recovery did.
                // The line holds the session's final duration.
                seconds = qMax(seconds, MonthFile::lineSeconds(lines.at(before)));
            } else {
                lines.append(
                    MonthFile::newLine(qint32(qMin<qint64>(seconds, std::numeric_limits<qint32>::max()))));
                QString error;
                if (!MonthFile::write(path, lines, &error)) {
                    fail(QStringLiteral("cannot add a recovered session to %1").arg(path), error);
                    return -1;
                }
                if (afterMonthFile)
                    afterMonthFile();
            }
        }
        QSqlQuery q(m_db);
        q.prepare(
            QStringLiteral("UPDATE sessions SET ended = 'recovered', seconds = ?, end_utc = start_utc + ?, "
                           "end_offset = start_offset, owner = NULL WHERE id = ?"));
        q.addBindValue(seconds);
        q.addBindValue(seconds);
        q.addBindValue(o.id);
        if (!q.exec()) {
            fail(QStringLiteral("cannot recover a session in %1").arg(m_path), q.lastError().text());
            return -1;
        }
        ++recovered;
    }
    return recovered;
}
