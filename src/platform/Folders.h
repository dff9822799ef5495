#pragma once

#include <QString>

#include <memory>

class QSettings;

// Where the program keeps its files on a freedesktop system.
namespace Folders {

// The names every freedesktop path of the program is made from: the application name "modemtally"
// (no organisation), so the data folder is $XDG_DATA_HOME/modemtally and the configuration folder
// $XDG_CONFIG_HOME/modemtally. (main() also gives the windows the desktop entry name, appId().)
// Call before anything asks QStandardPaths; it needs no application object.
void setProgramNames();

// The program's desktop entry and AppStream id.
QString appId();

// The folder of the settings file, its marker and the month files: `chosen` when it is not empty
// (the --data-dir option), else the user's data folder for the program (normally
// ~/.local/share/modemtally). A missing folder is created, each new level readable by its owner only
// (0700), as the freedesktop base directory rules ask; an existing folder is used as it is. Returns
// the absolute path, or an empty text with the reason in *error.
QString dataFolder(const QString& chosen, QString* error = nullptr);

// The program's own settings, those that the settings file of the data folder does not hold: one INI
// file in the user's configuration folder (normally ~/.config/modemtally/modemtally.conf).
QString settingsFilePath();
std::unique_ptr<QSettings> openSettings();

// Makes `path` and every missing folder above it, each new one with mode 0700. True when the path
// is a folder afterwards.
bool makeOwnerOnlyPath(const QString& path);

} // namespace Folders
