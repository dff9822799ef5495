#pragma once

#include <QString>

// Finds the program that opens web documents for this user and starts it.
class Browser {
public:
    virtual ~Browser() = default;
    // The program associated with the given document (an .html file); empty when there is none.
    virtual QString findProgramFor(const QString& documentPath) = 0;
    // Starts the program with one argument, passed unchanged (empty: no argument); false on failure.
    virtual bool startProgram(const QString& program, const QString& argument) = 0;
};
