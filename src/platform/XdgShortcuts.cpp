#include "platform/XdgShortcuts.h"

#include <QStandardPaths>

QString XdgShortcuts::desktopDirectory() const {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}
