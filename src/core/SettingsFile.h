#pragma once

#include <QString>

class Program;

// The settings file "cc.txt" in the data folder: reading it into the model at start-up, writing it
// on Save, and what the user is told when either goes wrong.
namespace SettingsFile {
QString fileName(); // "cc.txt"
// The largest settings file read, far beyond any real one (a thousand profiles take about 80 KB): a
// larger one is no settings file of this program, and is not read into memory. The bound keeps the
// reader's own memory in check too: a file of this size made of the shortest profile blocks holds
// some 137,000 profiles, which take about 140 MB to read (16 MB of them took 2 GB).
constexpr qint64 kMaxBytes = 1024 * 1024;
// Where a damaged settings file is copied before the reader goes on with what it could read, and
// where one that cannot be read at all is moved: the first is kept under this name, each later one
// under the next free of "cc.txt.damaged.1", "cc.txt.damaged.2" ..., so none replaces another.
QString damagedCopyName(); // "cc.txt.damaged"
// The lines the start page and the redial limit take when the configuration console was never
// opened: the texts its boxes start with.
QString initialStartPageLine();
QString initialRedialLine(); // "3"
// Writes the whole file atomically, the start page and redial lines as the configuration console's
// boxes show them (Program::startPageLine, Program::redialLine); on success sets gFirstRun to "false".
// On failure returns false with a reason and changes nothing.
bool write(Program& program, QString* error = nullptr);
// Reads the file into the model (only call when something is under its name) and lists the profiles
// read in fileProfiles. Returns the number of profiles read. A damaged file is copied aside and
// reported once in a box; what could be read stands and everything else keeps its default.
// What cannot be read at all (unreadable, larger than kMaxBytes, a folder, a device, a link to
// nothing) is reported in a box and moved aside, nothing of it is used and `usable` (optional) is
// false: start-up then goes on as a first run, whose first save writes a new file.
int read(Program& program, bool* usable = nullptr);
// Start-up care of the data folder, before the settings are read: removes what saves of the
// program's own files interrupted by a kill or a power cut left behind, makes a settings file that
// others may read readable by its owner only (it holds passwords), and warns in a box when other
// users can add, replace or remove files in the folder.
void tidyDataFolder(Program& program);
// What showing the settings read in the configuration console does to them. Each option button the
// console selects rewrites its pair of flags (per hour clears per minute, till connected clears
// limited, minutes clear hours, or the other way round); the start page box shows the line read and
// the model keeps it trimmed; the attempts box (three characters) shows the limit only when a redial
// option is chosen, and keeps "3" otherwise. Also gives the Connect button its caption.
void settleAfterRead(Program& program);
} // namespace SettingsFile
