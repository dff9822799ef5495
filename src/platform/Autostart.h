#pragma once

#include <QString>
#include <QStringList>

// Starting the program at login: a freedesktop autostart entry in the user's configuration folder
// ($XDG_CONFIG_HOME/autostart/org.modemtally.ModemTally.desktop).
namespace Autostart {

QString entryPath();

// The entry's text: starts `program` (an absolute path) with `arguments`.
QByteArray entryText(const QString& program, const QStringList& arguments = {});

// True when the entry is there and the desktop will start it: an entry the user switched off in the
// desktop's own start-up settings (Hidden=true, X-GNOME-Autostart-enabled=false) counts as absent.
bool isEnabled();

// Writes the entry, replacing one that is there; `program` defaults to this program's absolute path.
// Returns an empty text on success, else the reason.
QString enable(const QString& program = {}, const QStringList& arguments = {});

// The arguments that start the program on the data folder `dataDir` (an absolute path): none for
// the user's own data folder, else --data-dir with the folder.
QStringList argumentsFor(const QString& dataDir);

// Removes the entry; an entry that is not there is no error. Returns an empty text on success, else
// the reason.
QString disable();

} // namespace Autostart
