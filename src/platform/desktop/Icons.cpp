#include "platform/desktop/Icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

QIcon themedIcon(const QString& themeName, const QString& glyph, const QColor& colour) {
    if (QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 5.0, size / 5.0);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(int(size * 0.6));
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPushButton* pictureButton(QWidget* parent, const char* objectName, const QString& tip, const QIcon& icon,
                           QSize iconSize, QSize minimumSize) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(objectName));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setIcon(icon);
    b->setIconSize(iconSize);
    b->setMinimumSize(minimumSize);
    return b;
}
