#pragma once

#include "platform/Browser.h"

// The browser seam on the freedesktop associations: the application this user's desktop opens web
// documents with (GIO reads the mimeapps.list files and .desktop entries under the XDG folders),
// launched the way the desktop launches it.
class XdgBrowser final : public Browser {
public:
    // The desktop entry ID (for example "firefox.desktop") of the default application for the
    // document's type (an HTML document: "text/html", then the http scheme handler); empty when no
    // application is associated or its program is not installed.
    QString findProgramFor(const QString& documentPath) override;
    // Launches the desktop entry on the page through GIO, which expands the field codes of its Exec
    // line (%u, %U ...) and runs wrappers such as "env VAR=x /snap/bin/firefox %u" as the desktop
    // does; the page is one encoded URL, never split or read by a shell. False when the entry is
    // unknown or GIO could not start it.
    bool startProgram(const QString& program, const QUrl& page) override;
};
