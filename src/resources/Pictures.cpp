#include "resources/Pictures.h"

#include <QColor>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

namespace {
// How far the second strike is drawn to the right of the first: a whole pixel or more, so that both
// land on the pixel grid the glyphs were rasterised for and stay sharp.
int strikeOffset(const QFont& font) {
    return qMax(1, qRound(QFontInfo(font).pixelSize() / 20.0));
}
} // namespace

QImage drawPicture(Picture picture, int side) {
    const PictureLook& look = pictureLook(picture);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(look.colour));
    p.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), side / 5.0, side / 5.0);
    QFont f = QGuiApplication::font();
    f.setPixelSize(int(side * 0.6));
    p.setPen(Qt::white);
    drawHeavyText(p, QRectF(0, 0, side, side), Qt::AlignCenter, f, QString(QChar(look.glyph)));
    return image;
}

QSizeF heavyTextSize(const QFont& font, const QString& text) {
    return QFontMetricsF(font).size(Qt::TextSingleLine, text) + QSizeF(strikeOffset(font), 0);
}

void drawHeavyText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QFont& font,
                   const QString& text) {
    const int offset = strikeOffset(font);
    const QRectF first = rect.adjusted(0, 0, -offset, 0);
    painter.save();
    painter.setFont(font);
    painter.drawText(first, int(alignment) | Qt::TextSingleLine, text);
    painter.drawText(first.translated(offset, 0), int(alignment) | Qt::TextSingleLine, text);
    painter.restore();
}
