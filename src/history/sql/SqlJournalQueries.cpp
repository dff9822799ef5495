// What the journal's readers ask: totals per month, day and profile, and the sessions of a period.
#include "history/Journal.h"
#include "history/sql/SqlJournal.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <limits>

using History::Filter;
using History::Session;
using History::Total;

namespace {

constexpr qint64 kNoDay = std::numeric_limits<qint32>::max();

// The period's day numbers (an open end reaches as far as there are days).
qint64 firstDay(const Filter& f) {
    return f.from.isValid() ? History::dayNumber(f.from) : -kNoDay;
}
qint64 lastDay(const Filter& f) {
    return f.to.isValid() ? History::dayNumber(f.to) : kNoDay;
}

const QString kColumns =
    QStringLiteral("id, profile, backend, start_utc, start_offset, end_utc, end_offset, "
                   "seconds, cost, bytes_received, bytes_sent, ended, adopted, warnings");

Session sessionOf(const QSqlQuery& q) {
    Session s;
    s.id = q.value(0).toLongLong();
    s.profile = q.value(1).toString();
    s.backend = q.value(2).toString();
    s.startUtc = q.value(3).toLongLong();
    s.startOffset = q.value(4).toInt();
    if (!q.value(5).isNull())
        s.endUtc = q.value(5).toLongLong();
    s.endOffset = q.value(6).toInt();
    s.seconds = q.value(7).toLongLong();
    if (!q.value(8).isNull())
        s.cost = q.value(8).toLongLong();
    s.bytesReceived = q.value(9).toLongLong();
    s.bytesSent = q.value(10).toLongLong();
    s.ended = History::endedFromKey(q.value(11).toString());
    s.adopted = q.value(12).toInt() != 0;
    const QString warnings = q.value(13).toString();
    if (!warnings.isEmpty())
        s.warnings = warnings.split(QLatin1Char('\n'));
    return s;
}

} // namespace

QStringList SqlJournal::profiles() {
    QStringList list;
    QSqlQuery q(m_db);
    if (q.exec(QStringLiteral("SELECT DISTINCT profile FROM sessions WHERE profile <> '' ORDER BY profile")))
        while (q.next())
            list << q.value(0).toString();
    return list;
}

QList<Total> SqlJournal::perDay(qint64 first, qint64 last, const std::optional<QString>& profile,
                                bool withImported, Total* imported) {
    QList<Total> days;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
                  "SELECT local_day, ended = 'imported', SUM(seconds), SUM(cost), COUNT(*) "
                  "FROM sessions WHERE local_day BETWEEN ? AND ?%1 GROUP BY local_day, ended = 'imported'")
                  .arg(profile ? QStringLiteral(" AND profile = ?") : QString()));
    q.addBindValue(first);
    q.addBindValue(last);
    if (profile)
        q.addBindValue(*profile);
    if (!q.exec()) {
        fail(QStringLiteral("cannot read %1").arg(m_path), q.lastError().text());
        return days;
    }
    while (q.next()) {
        const bool wasImported = q.value(1).toBool();
        Total t;
        t.key = q.value(0).toLongLong();
        t.seconds = q.value(2).toLongLong();
        t.cost = q.value(3).toLongLong();
        t.sessions = q.value(4).toInt();
        if (wasImported && !withImported) {
            if (imported) {
                imported->seconds += t.seconds;
                imported->sessions += t.sessions;
            }
            continue;
        }
        if (!days.isEmpty() && days.last().key == t.key) {
            days.last().seconds += t.seconds;
            days.last().cost += t.cost;
            days.last().sessions += t.sessions;
        } else {
            days.append(t);
        }
    }
    return days;
}

QList<Total> SqlJournal::monthTotals(int first, int last, const std::optional<QString>& profile) {
    QList<Total> months;
    for (int m = first; m <= last; ++m) {
        Total t;
        t.key = m;
        months.append(t);
    }
    if (months.isEmpty())
        return months;
    const QList<Total> days =
        perDay(History::dayNumber(History::firstDayOfMonth(first)),
               History::dayNumber(History::lastDayOfMonth(last)), profile, true, nullptr);
    for (const Total& d : days) {
        Total& m = months[History::monthIndex(History::dateOfDay(d.key)) - first];
        m.seconds += d.seconds;
        m.cost += d.cost;
        m.sessions += d.sessions;
    }
    return months;
}

QList<Total> SqlJournal::dayTotals(int month, const std::optional<QString>& profile, Total* undated) {
    const QDate firstDate = History::firstDayOfMonth(month);
    const qint64 first = History::dayNumber(firstDate);
    QList<Total> days;
    for (int i = 0; i < firstDate.daysInMonth(); ++i) {
        Total t;
        t.key = first + i;
        days.append(t);
    }
    if (undated)
        *undated = Total();
    for (const Total& d : perDay(first, first + firstDate.daysInMonth() - 1, profile, false, undated))
        days[d.key - first] = d;
    return days;
}

QList<Total> SqlJournal::profileTotals(const Filter& filter) {
    QList<Total> list;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
                  "SELECT profile, SUM(seconds), SUM(cost), COUNT(*) FROM sessions "
                  "WHERE local_day BETWEEN ? AND ?%1 GROUP BY profile ORDER BY SUM(seconds) DESC, profile")
                  .arg(filter.profile ? QStringLiteral(" AND profile = ?") : QString()));
    q.addBindValue(firstDay(filter));
    q.addBindValue(lastDay(filter));
    if (filter.profile)
        q.addBindValue(*filter.profile);
    if (!q.exec()) {
        fail(QStringLiteral("cannot read %1").arg(m_path), q.lastError().text());
        return list;
    }
    while (q.next()) {
        Total t;
        t.profile = q.value(0).toString();
        t.seconds = q.value(1).toLongLong();
        t.cost = q.value(2).toLongLong();
        t.sessions = q.value(3).toInt();
        list.append(t);
    }
    return list;
}

bool SqlJournal::forEachSession(const Filter& filter, const std::function<void(const Session&)>& each) {
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT %1 FROM sessions WHERE local_day BETWEEN ? AND ?%2 ORDER BY start_utc, id")
            .arg(kColumns, filter.profile ? QStringLiteral(" AND profile = ?") : QString()));
    q.addBindValue(firstDay(filter));
    q.addBindValue(lastDay(filter));
    if (filter.profile)
        q.addBindValue(*filter.profile);
    if (!q.exec())
        return fail(QStringLiteral("cannot read %1").arg(m_path), q.lastError().text());
    while (q.next())
        each(sessionOf(q));
    return true;
}

QList<Session> SqlJournal::sessions(const Filter& filter) {
    QList<Session> list;
    forEachSession(filter, [&list](const Session& s) { list.append(s); });
    return list;
}

std::optional<PlanUsage> SqlJournal::usage(const QString& profile, qint64 fromUtc, qint64 toUtc,
                                           bool withRunning) {
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("SELECT COALESCE(SUM(bytes_received + bytes_sent), 0), COALESCE(SUM(seconds), 0) "
                       "FROM sessions WHERE profile = ? AND start_utc >= ? AND start_utc < ?") +
        (withRunning ? QString() : QStringLiteral(" AND end_utc IS NOT NULL")));
    q.addBindValue(profile);
    q.addBindValue(fromUtc);
    q.addBindValue(toUtc);
    if (!q.exec() || !q.next()) {
        fail(QStringLiteral("cannot read a profile's use from %1").arg(m_path), q.lastError().text());
        return std::nullopt;
    }
    return PlanUsage{quint64(qMax<qint64>(0, q.value(0).toLongLong())),
                     qMax<qint64>(0, q.value(1).toLongLong())};
}
