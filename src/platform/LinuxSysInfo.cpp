#include "platform/LinuxSysInfo.h"

#include <QProcess>
#include <QStandardPaths>

QStringList LinuxSysInfo::knownPrograms() {
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("gnome-system-monitor")};
}

LinuxSysInfo::LinuxSysInfo(QStringList programs, QStringList searchPaths)
    : m_programs(std::move(programs)), m_searchPaths(std::move(searchPaths)) {}

QStringList LinuxSysInfo::findPrograms() const {
    QStringList found;
    for (const QString& name : m_programs) {
        const QString path = QStandardPaths::findExecutable(name, m_searchPaths);
        if (!path.isEmpty())
            found << path;
    }
    return found;
}

bool LinuxSysInfo::start() {
    // A program that is there but will not start is passed over for the next one.
    const QStringList programs = findPrograms();
    for (const QString& path : programs) {
        if (QProcess::startDetached(path, {}))
            return true;
    }
    return false;
}
