#include "core/MonthFile.h"

#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace MonthFile {

namespace {
template <typename Text> qint64 secondsOf(Text line) {
    const auto t = line.trimmed();
    if (t.isEmpty() || t.size() > 12)
        return 0;
    qint64 v = 0;
    for (const auto c : t) {
        const char16_t u = QChar(c).unicode(); // QChar or QLatin1Char
        if (u < u'0' || u > u'9')
            return 0;
        v = v * 10 + (u - u'0');
    }
    return v;
}

qint32 capped(qint64 sum) {
    return sum > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max() : qint32(sum);
}
} // namespace

qint64 lineSeconds(QStringView line) {
    return secondsOf(line);
}

qint64 lineSeconds(QLatin1String line) {
    return secondsOf(QStringView(QString(line)));
}

QString newLine(qint32 seconds) {
    return QLatin1Char(' ') + QString::number(seconds) + QLatin1Char(' ');
}

qint32 totalSeconds(const QStringList& lines) {
    qint64 sum = 0;
    for (const QString& l : lines)
        sum += lineSeconds(l);
    return capped(sum);
}

void Record::append(qint32 seconds) {
    lines += newLine(seconds).toLatin1();
    lines += "\r\n";
    totalSeconds = capped(qint64(totalSeconds) + seconds);
    ++count;
}

ReadResult load(const QString& path, Record* record, QString* error) {
    *record = Record();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return ReadResult::Missing;
    QFile f(path);
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return ReadResult::Failed;
    };
    if (!info.isFile())
        return fail(QCoreApplication::translate("MonthFile", "not a file"));
    if (info.size() > kMaxBytes)
        return fail(QCoreApplication::translate("MonthFile",
                                                "it is %1 MB, more than a monthly record of %2 MB can be")
                        .arg(info.size() / (1024 * 1024))
                        .arg(kMaxBytes / (1024 * 1024)));
    if (!f.open(QIODevice::ReadOnly))
        return fail(f.errorString());
    // The whole file in one buffer (read in pieces, so a file still growing stops at the bound),
    // then line by line into the copy, each line ended by CR LF (a bare LF, or none at the very end,
    // too).
    QByteArray data(qMin<qint64>(info.size(), kMaxBytes) + 1, Qt::Uninitialized);
    qint64 bytesRead = 0;
    for (;;) {
        if (bytesRead == data.size()) {
            if (bytesRead > kMaxBytes)
                return fail(QCoreApplication::translate("MonthFile", "it grew past %1 MB while it was read")
                                .arg(kMaxBytes / (1024 * 1024)));
            data.resize(qMin<qint64>(bytesRead * 2, kMaxBytes + 1));
        }
        const qint64 n = f.read(data.data() + bytesRead, data.size() - bytesRead);
        if (n < 0)
            return fail(f.errorString());
        if (n == 0)
            break;
        bytesRead += n;
    }
    if (bytesRead > kMaxBytes)
        return fail(QCoreApplication::translate("MonthFile", "it grew past %1 MB while it was read")
                        .arg(kMaxBytes / (1024 * 1024)));
    data.truncate(bytesRead);
    record->lines.reserve(bytesRead + 2);
    qint64 sum = 0;
    qsizetype start = 0;
    while (start < bytesRead) {
        const qsizetype nl = data.indexOf('\n', start);
        const qsizetype next = nl < 0 ? bytesRead : nl + 1;
        qsizetype end = nl < 0 ? bytesRead : nl;
        if (end > start && data.at(end - 1) == '\r')
            --end;
        const QLatin1String text(data.constData() + start, end - start);
        sum += lineSeconds(text);
        record->lines += text;
        record->lines += "\r\n";
        ++record->count;
        start = next;
    }
    record->totalSeconds = capped(sum);
    return ReadResult::Read;
}

bool save(const QString& path, const Record& record, QString* error) {
    const QString reason = writeWholeFile(path, record.lines);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

ReadResult read(const QString& path, QStringList* lines, QString* error) {
    lines->clear();
    Record record;
    const ReadResult result = load(path, &record, error);
    const QByteArray& data = record.lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype end = data.indexOf("\r\n", start);
        lines->append(QString::fromLatin1(data.constData() + start, end - start));
        start = end + 2;
    }
    return result;
}

bool write(const QString& path, const QStringList& lines, QString* error) {
    Record record;
    for (const QString& l : lines) {
        record.lines += l.toLatin1();
        record.lines += "\r\n";
    }
    return save(path, record, error);
}

} // namespace MonthFile
