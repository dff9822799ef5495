#include "history/Export.h"

#include "core/Money.h"
#include "history/Journal.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

using History::Format;
using History::Session;

namespace HistoryExport {

namespace {

QString moneyText(const std::optional<qint64>& units) {
    return units ? Money::fromUnits(*units).toText() : QString();
}

QByteArray jsonRecord(const Session& s) {
    QJsonObject o;
    o.insert(QStringLiteral("id"), s.id);
    o.insert(QStringLiteral("start"), s.startText());
    o.insert(QStringLiteral("end"), s.endUtc ? QJsonValue(s.endText()) : QJsonValue());
    o.insert(QStringLiteral("profile"), s.profile);
    o.insert(QStringLiteral("backend"), s.backend);
    o.insert(QStringLiteral("seconds"), s.seconds);
    // The cost as a number of the money unit (four decimals at most), null when not known.
    o.insert(QStringLiteral("cost"), s.cost ? QJsonValue(moneyText(s.cost).toDouble()) : QJsonValue());
    o.insert(QStringLiteral("receivedBytes"), s.bytesReceived);
    o.insert(QStringLiteral("sentBytes"), s.bytesSent);
    o.insert(QStringLiteral("ended"), History::endedKey(s.ended));
    o.insert(QStringLiteral("adopted"), s.adopted);
    o.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(s.warnings));
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// The table: one line per session in aligned columns, and the totals.
QByteArray table(const QList<Session>& sessions) {
    const QStringList heads{QStringLiteral("Start"), QStringLiteral("Duration"), QStringLiteral("Cost"),
                            QStringLiteral("Profile"), QStringLiteral("Ended")};
    QList<QStringList> rows;
    qint64 seconds = 0, cost = 0;
    for (const Session& s : sessions) {
        const QString start = QDateTime::fromSecsSinceEpoch(s.startUtc + s.startOffset, QTimeZone::utc())
                                  .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        rows.append({start, History::durationText(s.seconds), moneyText(s.cost), s.profile,
                     History::endedText(s.ended) + (s.adopted ? QStringLiteral(", adopted") : QString())});
        seconds += s.seconds;
        cost += s.cost.value_or(0);
    }
    QList<qsizetype> width;
    for (const QString& h : heads)
        width.append(h.size());
    for (const QStringList& r : rows)
        for (int i = 0; i < r.size(); ++i)
            width[i] = qMax(width[i], r.at(i).size());
    QString text;
    const auto line = [&](const QStringList& cells) {
        QString l;
        for (int i = 0; i < cells.size(); ++i) {
            // Durations and amounts line up on the right, the rest on the left.
            const bool number = i == 1 || i == 2;
            l += number ? cells.at(i).rightJustified(width[i]) : cells.at(i).leftJustified(width[i]);
            l += QStringLiteral("  ");
        }
        text += l.trimmed().isEmpty() ? QString() : l.trimmed();
        text += QLatin1Char('\n');
    };
    line(heads);
    for (const QStringList& r : rows)
        line(r);
    text += QStringLiteral("%1 session%2, %3 online, cost %4\n")
                .arg(sessions.size())
                .arg(sessions.size() == 1 ? QString() : QStringLiteral("s"))
                .arg(History::durationText(seconds), Money::fromUnits(cost).toText());
    return text.toUtf8();
}

} // namespace

QByteArray csvField(const QString& text) {
    QByteArray f = text.toUtf8();
    if (f.contains(',') || f.contains('"') || f.contains('\r') || f.contains('\n'))
        f = '"' + f.replace("\"", "\"\"") + '"';
    return f;
}

QByteArray csvHeader() {
    return "id,start,end,profile,backend,seconds,cost,received_bytes,sent_bytes,ended,adopted,warnings";
}

QByteArray csvRecord(const Session& s) {
    QByteArray r;
    r += QByteArray::number(s.id) + ',';
    r += csvField(s.startText()) + ',';
    r += csvField(s.endText()) + ',';
    r += csvField(s.profile) + ',';
    r += csvField(s.backend) + ',';
    r += QByteArray::number(s.seconds) + ',';
    r += csvField(moneyText(s.cost)) + ',';
    r += QByteArray::number(s.bytesReceived) + ',';
    r += QByteArray::number(s.bytesSent) + ',';
    r += csvField(History::endedKey(s.ended)) + ',';
    r += s.adopted ? "yes," : "no,";
    r += csvField(s.warnings.join(QLatin1Char('\n')));
    return r;
}

bool write(Journal& journal, const History::Filter& filter, Format format, QIODevice& out, QString* error) {
    bool written = true;
    QByteArray buffer;
    // Written in pieces of about 64 KiB, so that a large export holds little of itself at a time.
    const auto put = [&](const QByteArray& bytes, bool force = false) {
        buffer += bytes;
        if ((force || buffer.size() >= 65536) && written) {
            written = out.write(buffer) == buffer.size();
            buffer.clear();
        }
    };
    bool read = true;
    if (format == Format::Table) {
        QList<Session> all;
        read = journal.forEachSession(filter, [&all](const Session& s) { all.append(s); });
        put(table(all), true);
    } else if (format == Format::Csv) {
        put(csvHeader() + "\r\n");
        read = journal.forEachSession(filter, [&](const Session& s) { put(csvRecord(s) + "\r\n"); });
        put({}, true);
    } else {
        bool first = true;
        put("[");
        read = journal.forEachSession(filter, [&](const Session& s) {
            put((first ? "\n" : ",\n") + jsonRecord(s));
            first = false;
        });
        put(first ? "]\n" : "\n]\n", true);
    }
    if (!read) {
        if (error)
            *error = journal.lastError();
        return false;
    }
    if (!written) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

bool writeFile(Journal& journal, const History::Filter& filter, Format format, const QString& path,
               QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (!write(journal, filter, format, file, error))
        return false;
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace HistoryExport
