#include "core/MonthFile.h"

#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace MonthFile {

qint64 lineSeconds(const QString& line) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.size() > 12)
        return 0;
    qint64 v = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

QString newLine(qint32 seconds) {
    return QLatin1Char(' ') + QString::number(seconds) + QLatin1Char(' ');
}

qint32 totalSeconds(const QStringList& lines) {
    qint64 sum = 0;
    for (const QString& l : lines)
        sum += lineSeconds(l);
    return sum > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max() : qint32(sum);
}

ReadResult read(const QString& path, QStringList* lines, QString* error) {
    lines->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return ReadResult::Missing;
    QFile f(path);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = info.isFile() ? f.errorString() : QStringLiteral("not a file");
        return ReadResult::Failed;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = f.errorString();
        return ReadResult::Failed;
    }
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        if (end < 0)
            end = data.size();
        qsizetype stop = end;
        if (stop > start && data.at(stop - 1) == '\r')
            --stop;
        lines->append(QString::fromLatin1(data.constData() + start, stop - start));
        start = next;
    }
    return ReadResult::Read;
}

bool write(const QString& path, const QStringList& lines, QString* error) {
    QByteArray data;
    data.reserve(lines.size() * 8);
    for (const QString& l : lines) {
        data += l.toLatin1();
        data += "\r\n";
    }
    const QString reason = writeWholeFile(path, data);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

} // namespace MonthFile
