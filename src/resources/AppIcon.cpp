#include "resources/AppIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        // Read as PNG, named: a reader left to guess would first load every image-format plugin
        // (JPEG, GIF, ICO...) to ask each whether it reads PNG, at every start.
        QImageReader reader(QStringLiteral(":/icons/modemtally-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
