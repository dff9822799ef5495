#pragma once

#include <QIcon>

// The program's own icon for its windows and its tray, from the pictures in the program's resources
// (16 to 128 px): it shows without the desktop's icon theme and without SVG support in Qt.
QIcon appIcon();
