#pragma once

#include "Controls.h"
#include "Fakes.h"
#include "console/Windows.h"
#include "core/Program.h"

#include <QTemporaryDir>

#include <memory>

class RasControl;

// A fresh program object in a fresh temporary folder, with recording fakes, and its windows. Pass the
// seams a test wants to drive itself; the rest are quiet stand-ins. The message boxes and the clock
// are always the fakes below.
class TestProgram {
public:
    explicit TestProgram(Seams seams = {});
    ~TestProgram();

    Program& operator*() { return *program; }
    Program* operator->() { return program.get(); }
    Windows& ui() { return *windows; }

    // Writes a file in the program's data folder (lines joined with CRLF, each line ended by it).
    void writeDataFile(const QString& name, const QStringList& lines);
    QByteArray readDataFile(const QString& name) const;
    QString dataPath(const QString& name) const;

    QTemporaryDir dir;
    FakeMessageBoxes* boxes = nullptr;
    FakeClock* clock = nullptr;
    std::unique_ptr<Program> program;
    std::unique_ptr<Windows> windows;
};
