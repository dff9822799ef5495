#include "historyui/HistoryWindowLoader.h"

#include "history/HistorySource.h"
#include "historyui/HistoryWindowFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QWidget>

namespace HistoryWindowLoader {

namespace {
const QString kModule = QStringLiteral("modemtally-history.so");
}

QStringList candidates() {
    QStringList dirs;
    const QString own = qEnvironmentVariable("MODEMTALLY_MODULE_DIR");
    if (!own.isEmpty())
        dirs << own;
    const QString app = QCoreApplication::applicationDirPath();
    dirs << app << QDir(app).filePath(QStringLiteral(MT_MODULE_DIR_FROM_BIN));
    QStringList files;
    for (const QString& d : dirs)
        files << QDir::cleanPath(QDir(d).filePath(kModule));
    files.removeDuplicates();
    return files;
}

QWidget* create(std::unique_ptr<HistorySource> source, QString* error) {
    // One loader for the program's life: the module stays mapped once loaded.
    static QPluginLoader loader;
    if (!loader.isLoaded()) {
        QStringList reasons;
        for (const QString& file : candidates()) {
            if (!QFileInfo::exists(file))
                continue;
            loader.setFileName(file);
            if (loader.load())
                break;
            reasons << loader.errorString();
        }
        if (!loader.isLoaded()) {
            if (error)
                *error = reasons.isEmpty()
                             ? QCoreApplication::translate(
                                   "HistoryWindowLoader",
                                   "the History window's module %1 is not installed (looked in %2)")
                                   .arg(kModule, candidates().join(QStringLiteral(", ")))
                             : reasons.join(QStringLiteral("; "));
            return nullptr;
        }
    }
    auto* factory = qobject_cast<HistoryWindowFactory*>(loader.instance());
    if (!factory) {
        if (error)
            *error =
                QCoreApplication::translate("HistoryWindowLoader", "%1 is not the History window's module")
                    .arg(loader.fileName());
        return nullptr;
    }
    return factory->createHistoryWindow(std::move(source));
}

} // namespace HistoryWindowLoader
