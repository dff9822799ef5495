#include "service/BusNames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace BusNames {

namespace {
// The folder as one text for all its paths: the canonical path where it exists.
QString identity(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}
} // namespace

QString serviceBase() {
    return QStringLiteral("org.modemtally.ModemTally");
}

QString objectPath() {
    return QStringLiteral("/org/modemtally/ModemTally");
}

QString interfaceName() {
    return QStringLiteral("org.modemtally.ModemTally1");
}

QString dataFolderFor(const QString& chosen) {
    // The same folder Folders::dataFolder() uses, without creating it.
    const QString folder =
        chosen.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : chosen;
    return folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString serviceFor(const QString& dataFolder) {
    const QString id = identity(dataFolder);
    const QString usual = dataFolderFor(QString());
    if (!usual.isEmpty() && id == identity(usual))
        return serviceBase();
    const QByteArray hash = QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha256).toHex();
    return serviceBase() + QStringLiteral(".Folder_") + QString::fromLatin1(hash.left(16));
}

} // namespace BusNames
