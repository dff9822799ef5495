#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace Folders {

void setProgramNames() {
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("modemtally"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MT_VERSION));
}

QString appId() {
    return QStringLiteral("org.modemtally.ModemTally");
}

bool makeOwnerOnlyPath(const QString& path) {
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(absolute).isDir())
        return true;
    // Walk down from the deepest folder that exists, creating each level with owner-only rights.
    QStringList missing;
    QString existing = absolute;
    while (!QFileInfo::exists(existing)) {
        missing.prepend(QFileInfo(existing).fileName());
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return false;
        existing = parent;
    }
    QDir dir(existing);
    for (const QString& name : std::as_const(missing)) {
        // mkdir's mode is narrowed by the umask only, so 0700 stays 0700.
        if (!dir.mkdir(name, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner) &&
            !dir.exists(name))
            return false;
        if (!dir.cd(name))
            return false;
    }
    return QFileInfo(absolute).isDir();
}

QString dataFolder(const QString& chosen, QString* error) {
    QString folder = chosen;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (folder.isEmpty()) {
            if (error)
                *error = QStringLiteral("no home folder to keep the data in; use --data-dir");
            return {};
        }
    }
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    if (!makeOwnerOnlyPath(folder)) {
        if (error)
            *error = QStringLiteral("cannot use the data folder %1").arg(folder);
        return {};
    }
    return folder;
}

QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/modemtally.conf");
}

std::unique_ptr<QSettings> openSettings() {
    return std::make_unique<QSettings>(settingsFilePath(), QSettings::IniFormat);
}

} // namespace Folders
