#pragma once

#include <QString>

class Program;

// The settings file "cc.txt" in the data folder: reading it into the model at start-up, writing it
// on Save, and what the user is told when either goes wrong.
namespace SettingsFile {
QString fileName(); // "cc.txt"
// Where a damaged settings file is copied before the reader goes on with what it could read.
QString damagedCopyName(); // "cc.txt.damaged"
// The lines the start page and the redial limit take when the configuration console was never
// opened: the texts its boxes start with.
QString initialStartPageLine();
QString initialRedialLine(); // "3"
// Writes the whole file atomically, the start page and redial lines as the configuration console's
// boxes show them (Program::startPageLine, Program::redialLine); on success sets gFirstRun to "false".
// On failure returns false with a reason and changes nothing.
bool write(Program& program, QString* error = nullptr);
// Reads the file into the model (only call when it exists) and lists the profiles read in
// fileProfiles. Returns the number of profiles read. A damaged file is copied aside and reported
// once in a box; what could be read stands and everything else keeps its default.
int read(Program& program);
// What showing the settings read in the configuration console does to them. Each option button the
// console selects rewrites its pair of flags (per hour clears per minute, till connected clears
// limited, minutes clear hours, or the other way round); the start page box shows the line read and
// the model keeps it trimmed; the attempts box (three characters) shows the limit only when a redial
// option is chosen, and keeps "3" otherwise. Also gives the Connect button its caption.
void settleAfterRead(Program& program);
} // namespace SettingsFile
