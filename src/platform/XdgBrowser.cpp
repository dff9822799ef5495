#include "platform/XdgBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef MT_HAVE_GIO
// GIO's headers use "signals" as a field name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")
#endif

namespace {

#ifdef MT_HAVE_GIO
// The desktop entry ID of the default application for one content type when its program is
// installed, or empty.
QString defaultEntryForType(const char* contentType) {
    GAppInfo* info = g_app_info_get_default_for_type(contentType, FALSE);
    if (!info)
        return {};
    QString id;
    const char* exe = g_app_info_get_executable(info);
    const QString program = exe ? QFile::decodeName(exe) : QString();
    const bool installed = !program.isEmpty() && (QFileInfo(program).isAbsolute()
                                                      ? QFileInfo(program).isExecutable()
                                                      : !QStandardPaths::findExecutable(program).isEmpty());
    if (installed && g_app_info_get_id(info))
        id = QString::fromUtf8(g_app_info_get_id(info));
    g_object_unref(info);
    return id;
}
#endif

} // namespace

QString XdgBrowser::findProgramFor(const QString& documentPath) {
    // The document is always an HTML file of ours, so its type is known; asking by type also keeps a
    // missing shared-mime-info database from turning it into "any file".
    Q_UNUSED(documentPath);
#ifdef MT_HAVE_GIO
    for (const char* type : {"text/html", "x-scheme-handler/http"}) {
        const QString id = defaultEntryForType(type);
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
    GDesktopAppInfo* info = g_desktop_app_info_new(program.toUtf8().constData());
    if (!info)
        return false;
    const QByteArray uri = page.toString(QUrl::FullyEncoded).toUtf8();
    GList* uris = nullptr;
    if (!uri.isEmpty())
        uris = g_list_append(uris, const_cast<char*>(uri.constData()));
    GError* error = nullptr;
    const bool started = g_app_info_launch_uris(G_APP_INFO(info), uris, nullptr, &error);
    if (!started)
        qWarning("modemtally: the browser %s could not be started: %s", qPrintable(program),
                 error ? error->message : "unknown reason");
    if (error)
        g_error_free(error);
    g_list_free(uris);
    g_object_unref(info);
    return started;
#else
    Q_UNUSED(program);
    Q_UNUSED(page);
    return false;
#endif
}
