#pragma once

// The journal's records and totals as its readers see them. Header-only: the History window's module
// uses them without linking the journal.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>

namespace History {

// How a journaled session ended. Running: no end yet (a session in progress, or one whose program
// is still to recover it).
enum class Ended { Running, HungUp, Dropped, OnExit, Recovered, Imported };

// The word stored in the journal and written by the exports.
inline QString endedKey(Ended e) {
    switch (e) {
    case Ended::Running:
        return QStringLiteral("running");
    case Ended::HungUp:
        return QStringLiteral("hung-up");
    case Ended::Dropped:
        return QStringLiteral("dropped");
    case Ended::OnExit:
        return QStringLiteral("exit");
    case Ended::Recovered:
        return QStringLiteral("recovered");
    case Ended::Imported:
        return QStringLiteral("imported");
    }
    return {};
}

inline Ended endedFromKey(const QString& key) {
    for (Ended e : {Ended::HungUp, Ended::Dropped, Ended::OnExit, Ended::Recovered, Ended::Imported})
        if (key == endedKey(e))
            return e;
    return Ended::Running;
}

// The same for people (the window's table, the command line's table).
inline QString endedText(Ended e) {
    switch (e) {
    case Ended::Running:
        return QStringLiteral("running");
    case Ended::HungUp:
        return QStringLiteral("hung up");
    case Ended::Dropped:
        return QStringLiteral("dropped");
    case Ended::OnExit:
        return QStringLiteral("on exit");
    case Ended::Recovered:
        return QStringLiteral("recovered after a crash");
    case Ended::Imported:
        return QStringLiteral("imported from the month file");
    }
    return {};
}

// Days are counted from 1970-01-01 in local time: the day a session belongs to is the local date of
// its start, with the offset from UTC that was in force then.
inline qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}
inline qint64 dayNumber(const QDate& date) {
    return date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
}
inline QDate dateOfDay(qint64 day) {
    return QDate::fromJulianDay(day + QDate(1970, 1, 1).toJulianDay());
}
inline qint64 localDay(qint64 utcSeconds, int offsetSeconds) {
    return floorDiv(utcSeconds + offsetSeconds, 86400);
}
// Months are counted as year * 12 + (month - 1).
inline int monthIndex(const QDate& date) {
    return date.year() * 12 + date.month() - 1;
}
inline QDate firstDayOfMonth(int month) {
    return QDate(floorDiv(month, 12), int(month - floorDiv(month, 12) * 12) + 1, 1);
}
inline QDate lastDayOfMonth(int month) {
    return firstDayOfMonth(month + 1).addDays(-1);
}

// A date and time as written by the exports: ISO 8601 with the offset, "2026-06-15T12:00:00+02:00".
inline QString isoText(qint64 utcSeconds, int offsetSeconds) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(utcSeconds + offsetSeconds, QTimeZone::utc());
    const int a = offsetSeconds < 0 ? -offsetSeconds : offsetSeconds;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QStringLiteral("%1%2:%3")
               .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(a / 3600, 2, 10, QLatin1Char('0'))
               .arg(a % 3600 / 60, 2, 10, QLatin1Char('0'));
}

// A duration as "H:MM:SS".
inline QString durationText(qint64 seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// One session of the journal.
struct Session {
    qint64 id = 0;
    QString profile;
    QString backend;     // "sim", "nm"; empty for imported sessions
    qint64 startUtc = 0; // seconds since 1970-01-01 UTC
    int startOffset = 0; // seconds east of UTC at the start
    std::optional<qint64> endUtc;
    int endOffset = 0;
    qint64 seconds = 0;         // the duration (the last known one while running)
    std::optional<qint64> cost; // in ten-thousandths of the money unit; none when unknown (imported)
    qint64 bytesReceived = 0;
    qint64 bytesSent = 0;
    Ended ended = Ended::Running;
    bool adopted = false; // made by another program and adopted
    QStringList warnings; // the limit warnings the session raised, in order

    qint64 day() const { return localDay(startUtc, startOffset); }
    QString startText() const { return isoText(startUtc, startOffset); }
    QString endText() const { return endUtc ? isoText(*endUtc, endOffset) : QString(); }
};

// The time, cost and number of sessions of one month, day or profile.
struct Total {
    qint64 key = 0; // the month index, the day number or nothing (profiles)
    QString profile;
    qint64 seconds = 0;
    qint64 cost = 0;
    int sessions = 0;
};

// The sessions a reader asks for: local dates, both included (an invalid date leaves that end open),
// and one profile or all (none; an empty name is the imported sessions, which have no profile).
struct Filter {
    QDate from;
    QDate to;
    std::optional<QString> profile;
};

// One billing cycle of a profile that has a plan, as the History window shows it.
struct PlanCycle {
    QString profile;
    QDate first;
    QDate last;
    quint64 bytes = 0; // received and sent, in the sessions that began in the cycle
    qint64 seconds = 0;
    quint64 allowanceBytes = 0; // 0: none
    qint64 allowanceSeconds = 0;
    bool current = false;
    // The current cycle: its use at the cycle's end at the pace so far, and the days left (today
    // included).
    double projectedBytes = 0;
    double projectedSeconds = 0;
    int daysLeft = 0;
    // What the megabytes past the data allowance cost (in ten-thousandths), so far and, for the
    // current cycle, at its end at this pace; none when the plan has no price for them.
    std::optional<qint64> extraCost;
    qint64 projectedExtraCost = 0;
};

enum class Format { Table, Csv, Json };

} // namespace History
