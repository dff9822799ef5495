#include "platform/XdgBrowser.h"

#include "platform/GioLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

#ifdef MT_HAVE_GIO
// The desktop entry ID of the default application for one content type when its program is
// installed, or empty.
QString defaultEntryForType(const GioLibrary& gio, const char* contentType) {
    GAppInfo* info = gio.g_app_info_get_default_for_type(contentType, FALSE);
    if (!info)
        return {};
    QString id;
    const char* exe = gio.g_app_info_get_executable(info);
    const QString program = exe ? QFile::decodeName(exe) : QString();
    const bool installed = !program.isEmpty() && (QFileInfo(program).isAbsolute()
                                                      ? QFileInfo(program).isExecutable()
                                                      : !QStandardPaths::findExecutable(program).isEmpty());
    if (installed && gio.g_app_info_get_id(info))
        id = QString::fromUtf8(gio.g_app_info_get_id(info));
    gio.g_object_unref(info);
    return id;
}
#endif

} // namespace

QString XdgBrowser::findProgramFor(const QString& documentPath) {
    // The document is always an HTML file of ours, so its type is known; asking by type also keeps a
    // missing shared-mime-info database from turning it into "any file".
    Q_UNUSED(documentPath);
#ifdef MT_HAVE_GIO
    const GioLibrary* gio = gioLibrary();
    if (!gio)
        return {};
    for (const char* type : {"text/html", "x-scheme-handler/http"}) {
        const QString id = defaultEntryForType(*gio, type);
        if (!id.isEmpty())
            return id;
    }
#endif
    return {};
}

bool XdgBrowser::startProgram(const QString& program, const QUrl& page) {
#ifdef MT_HAVE_GIO
    if (program.isEmpty() || (!page.isEmpty() && !page.isValid()))
        return false;
    const GioLibrary* gio = gioLibrary();
    if (!gio)
        return false;
    GDesktopAppInfo* info = gio->g_desktop_app_info_new(program.toUtf8().constData());
    if (!info)
        return false;
    const QByteArray uri = page.toString(QUrl::FullyEncoded).toUtf8();
    GList* uris = nullptr;
    if (!uri.isEmpty())
        uris = gio->g_list_append(uris, const_cast<char*>(uri.constData()));
    GError* error = nullptr;
    const bool started =
        gio->g_app_info_launch_uris(reinterpret_cast<GAppInfo*>(info), uris, nullptr, &error);
    if (!started)
        qWarning("modemtally: the browser %s could not be started: %s", qPrintable(program),
                 error ? error->message : "unknown reason");
    if (error)
        gio->g_error_free(error);
    gio->g_list_free(uris);
    gio->g_object_unref(info);
    return started;
#else
    Q_UNUSED(program);
    Q_UNUSED(page);
    return false;
#endif
}
