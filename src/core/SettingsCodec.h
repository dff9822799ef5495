#pragma once

#include "core/Settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The settings file's bytes and the settings model, both ways, with no file and no window involved.
//
// The file is positional: 21 marker lines and the value lines between them, the profile block first.
// It is Latin-1 unless a character needs UTF-8 (then the whole file is UTF-8); lines end with CR LF.
// A value that would read as a marker is written with one more backslash in front, which reading
// takes off again; a line break inside a value is written as a blank.
namespace SettingsCodec {

// The file for these settings. The start page and redial-limit lines are given apart: the file
// holds what the configuration console's boxes show, which may differ from the model's values.
QByteArray encode(const Settings& settings, const QString& startPageLine, const QString& redialLine);

struct Decoded {
    int profilesRead = 0;
    // The names of the profiles read, in file order.
    QStringList profileNames;
    // The layout was broken somewhere: what could be read is in the settings, the rest kept its value.
    bool damaged = false;
};
// Reads the file's bytes into the settings; a value the file does not hold keeps what it was.
Decoded decode(const QByteArray& data, Settings& settings);

} // namespace SettingsCodec
