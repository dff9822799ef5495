#pragma once

#include "platform/Browser.h"

// The browser seam on the freedesktop associations: the program this user's desktop opens web
// documents with (GIO reads the mimeapps.list files and .desktop entries under the XDG folders),
// started directly with the start page as its one argument.
class XdgBrowser final : public Browser {
public:
    // The executable of the default application for the document's type (an HTML document:
    // "text/html", then the http scheme handler), as a full path; empty when no application is
    // associated or its program is not installed.
    QString findProgramFor(const QString& documentPath) override;
    // Starts the program detached, with the argument passed as it is (no shell, no splitting); an
    // empty argument starts it with none.
    bool startProgram(const QString& program, const QString& argument) override;
};
