// Draws the program's own button pictures at build time (see Pictures.h) and writes them as PNG into
// one file, which the program carries among its resources: mt_draw_pictures OUTPUT
//
// The file: the number of pictures N (a 32-bit little-endian number), N pairs of 32-bit numbers (each
// picture's offset in the file and its length), then the pictures, in the order of Picture and, for
// each, of kBundledSides. The main console's pictures come first in Picture, so that the ones a start
// reads lie together, beside the program's icon.
#include "resources/Pictures.h"

#include <QBuffer>
#include <QColor>
#include <QGuiApplication>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>

namespace {
void appendNumber(QByteArray& out, quint32 n) {
    const quint32 le = qToLittleEndian(n);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    // No display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QList<QByteArray> pngs;
    for (const PictureSpec& spec : kPictures) {
        for (const int side : kBundledSides) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (!drawGlyphPicture(QString(QChar(spec.glyph)), QColor::fromRgba(spec.colour), side)
                     .save(&buffer, "PNG", 9)) {
                std::fprintf(stderr, "mt_draw_pictures: could not write the %s picture as PNG\n",
                             spec.themeName);
                return 1;
            }
            pngs.append(png);
        }
    }
    QByteArray out;
    appendNumber(out, quint32(pngs.size()));
    quint32 offset = quint32(sizeof(quint32) * (1 + 2 * pngs.size()));
    for (const QByteArray& png : pngs) {
        appendNumber(out, offset);
        appendNumber(out, quint32(png.size()));
        offset += quint32(png.size());
    }
    for (const QByteArray& png : pngs)
        out += png;

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "mt_draw_pictures: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
