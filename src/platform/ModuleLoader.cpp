#include "platform/ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QPluginLoader>

#include <memory>

namespace ModuleLoader {

QStringList candidates(const QString& fileName) {
    QStringList dirs;
    const QString own = qEnvironmentVariable("MODEMTALLY_MODULE_DIR");
    if (!own.isEmpty())
        dirs << own;
    const QString app = QCoreApplication::applicationDirPath();
    dirs << app << QDir(app).filePath(QStringLiteral(MT_MODULE_DIR_FROM_BIN));
    QStringList files;
    for (const QString& d : dirs)
        files << QDir::cleanPath(QDir(d).filePath(fileName));
    files.removeDuplicates();
    return files;
}

QObject* instance(const QString& fileName, QString* error, QString* loadedFrom) {
    // One loader per module for the program's life: a module stays mapped once loaded, and its
    // objects may be in use on any thread.
    static QMutex mutex;
    static QHash<QString, std::shared_ptr<QPluginLoader>> loaders;
    const QMutexLocker lock(&mutex);
    std::shared_ptr<QPluginLoader>& loader = loaders[fileName];
    if (!loader)
        loader = std::make_shared<QPluginLoader>();
    if (!loader->isLoaded()) {
        QStringList reasons;
        for (const QString& file : candidates(fileName)) {
            if (!QFileInfo::exists(file))
                continue;
            loader->setFileName(file);
            if (loader->load())
                break;
            reasons << loader->errorString();
        }
        if (!loader->isLoaded()) {
            if (error)
                *error = reasons.join(QStringLiteral("; "));
            return nullptr;
        }
    }
    if (loadedFrom)
        *loadedFrom = loader->fileName();
    return loader->instance();
}

} // namespace ModuleLoader
