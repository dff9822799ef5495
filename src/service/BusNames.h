#pragma once

#include <QString>

// Where the running program is found on the session bus.
//
// One instance runs per user and data folder, so the bus name carries the data folder: the user's
// own data folder (normally ~/.local/share/modemtally) is org.modemtally.ModemTally, any other
// folder (--data-dir) org.modemtally.ModemTally.Folder_ and the first 16 hexadecimal digits of the
// SHA-256 of its canonical path. Two paths of one folder (a symbolic link, a trailing slash) give
// one name.
namespace BusNames {
QString serviceBase();   // org.modemtally.ModemTally
QString objectPath();    // /org/modemtally/ModemTally
QString interfaceName(); // org.modemtally.ModemTally1

// The folder the program keeps its files in for the --data-dir value `chosen` (empty: the user's
// data folder), as an absolute path; nothing is created.
QString dataFolderFor(const QString& chosen);
// The bus name of the instance that keeps its files in `dataFolder`.
QString serviceFor(const QString& dataFolder);
} // namespace BusNames
