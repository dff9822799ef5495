#include "history/ProcessIdentity.h"

#include <QFile>
#include <QStringList>

#include <unistd.h>

namespace {

QByteArray readSmallFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(4096) : QByteArray();
}

QString bootId() {
    return QString::fromLatin1(readSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")).trimmed());
}

// Field 22 of /proc/PID/stat: the process's start, in clock ticks after boot. The command name
// before it is in parentheses and may hold blanks, so the fields are counted from its closing one.
QString startTime(qint64 pid) {
    const QByteArray stat = readSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return {};
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    // After the name: the state (field 3) ... the start time (field 22). A zombie has ended.
    if (fields.size() <= 19 || fields.at(0) == "Z")
        return {};
    return QString::fromLatin1(fields.at(19));
}

} // namespace

namespace ProcessIdentity {

QString self() {
    const qint64 pid = ::getpid();
    return QStringLiteral("%1 %2 %3").arg(bootId()).arg(pid).arg(startTime(pid));
}

bool alive(const QString& identity) {
    const QStringList parts = identity.split(QLatin1Char(' '));
    if (parts.size() != 3 || parts.at(0) != bootId())
        return false;
    bool ok = false;
    const qint64 pid = parts.at(1).toLongLong(&ok);
    return ok && pid > 0 && !parts.at(2).isEmpty() && startTime(pid) == parts.at(2);
}

} // namespace ProcessIdentity
