#include "platform/XdgBrowser.h"

#include "platform/GioLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

#ifdef MT_HAVE_GIO
// The executable of the default application for one content type, or empty.
QString executableForType(const char* contentType) {
    const GioLibrary* gio = gioLibrary();
    if (!gio)
        return {};
    GAppInfo* info = gio->g_app_info_get_default_for_type(contentType, FALSE);
    if (!info)
        return {};
    const char* exe = gio->g_app_info_get_executable(info);
    QString program = exe ? QFile::decodeName(exe) : QString();
    gio->g_object_unref(info);
    if (program.isEmpty())
        return {};
    if (QFileInfo(program).isAbsolute())
        return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

#endif

} // namespace

QString XdgBrowser::findProgramFor(const QString& documentPath) {
#ifdef MT_HAVE_GIO
    // The document is always an HTML file of ours, so its type is known; asking by type also keeps a
    // missing shared-mime-info database from turning it into "any file".
    Q_UNUSED(documentPath);
    for (const char* type : {"text/html", "x-scheme-handler/http"}) {
        const QString program = executableForType(type);
        if (!program.isEmpty())
            return program;
    }
#else
    Q_UNUSED(documentPath);
#endif
    return {};
}

bool XdgBrowser::startProgram(const QString& program, const QString& argument) {
    if (program.isEmpty())
        return false;
    QStringList args;
    if (!argument.isEmpty())
        args << argument;
    return QProcess::startDetached(program, args);
}
