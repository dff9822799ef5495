#include "resources/AppIcon.h"

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/modemtally-%1.png").arg(size), QSize(size, size));
    return icon;
}
