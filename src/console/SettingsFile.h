#pragma once

#include <QString>

class Program;

// The settings file "cc.txt": its writer, its reader, and the showing of the settings read in the
// configuration console and the sound chooser.
namespace SettingsFile {
QString fileName(); // "cc.txt"
// Where a damaged settings file is copied before the reader goes on with what it could read.
QString damagedCopyName(); // "cc.txt.damaged"
// Writes the whole file atomically (the start page and redial lines from the console's boxes); on
// success sets gFirstRun to "false". On failure returns false with a reason and changes nothing.
bool write(Program& program, QString* error = nullptr);
// Reads the file into the model (only call when it exists); fills the delete-profiles checklist.
// Returns the number of profiles read. A damaged file is copied aside and reported once in a box;
// what could be read stands and everything else keeps its default.
int read(Program& program);
// Sets the controls of the configuration console and the sound chooser from the model.
void showInConsole(Program& program);
} // namespace SettingsFile
