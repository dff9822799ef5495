#pragma once

#include <QString>
#include <QUrl>

// Finds the application that opens web documents for this user and starts it on a page.
class Browser {
public:
    virtual ~Browser() = default;
    // The application associated with the given document (an .html file), as a name to give
    // startProgram; empty when there is none.
    virtual QString findProgramFor(const QString& documentPath) = 0;
    // Starts that application on the page (an empty URL: without a page); false when it could not be
    // started.
    virtual bool startProgram(const QString& program, const QUrl& page) = 0;
};
