// Makes the file of pictures the program carries among its resources (:/icons/pictures.bin): its
// icon, from the pictures of it drawn from the SVG, and its own button pictures, drawn here with the
// program's drawing code (Pictures.h).
//   mt_draw_pictures OUTPUT ICON-16.png ICON-32.png ...   (one PNG for each of kAppIconSides)
//
// Each picture is kept as its premultiplied ARGB pixels, compressed with qCompress: a start then
// unpacks them with the zlib Qt itself uses, and needs neither a PNG decoder nor Qt's image readers
// (whose first use scans the image-format plugins). The file: the number of pictures N (a 32-bit
// little-endian number), N triples of such numbers (offset in the file, length, side in pixels), then
// the pictures: the icon's at kAppIconSides, then each of Picture at each of kBundledSides. The main
// console's pictures come first in Picture, so that the ones a start reads lie together.
#include "resources/Pictures.h"

#include <QGuiApplication>
#include <QImage>
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
    if (argc != 2 + int(kAppIconSides.size())) {
        std::fprintf(stderr, "usage: %s OUTPUT ICON.png... (the icon at %zu sizes)\n", argv[0],
                     kAppIconSides.size());
        return 2;
    }
    // No display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QList<QImage> images;
    for (size_t i = 0; i < kAppIconSides.size(); ++i) {
        const QImage icon(QString::fromLocal8Bit(argv[2 + i]));
        if (icon.size() != QSize(kAppIconSides[i], kAppIconSides[i])) {
            std::fprintf(stderr, "mt_draw_pictures: %s is not a picture of %d pixels square\n", argv[2 + i],
                         kAppIconSides[i]);
            return 1;
        }
        images.append(icon);
    }
    for (size_t i = 0; i < kPictures.size(); ++i)
        for (const int side : kBundledSides)
            images.append(drawPicture(Picture(i), side));

    QList<QByteArray> packed;
    for (const QImage& image : images) {
        const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        packed.append(qCompress(pixels.constBits(), int(pixels.sizeInBytes()), 9));
    }
    QByteArray out;
    appendNumber(out, quint32(packed.size()));
    quint32 offset = quint32(sizeof(quint32) * (1 + 3 * packed.size()));
    for (qsizetype i = 0; i < packed.size(); ++i) {
        appendNumber(out, offset);
        appendNumber(out, quint32(packed[i].size()));
        appendNumber(out, quint32(images[i].width()));
        offset += quint32(packed[i].size());
    }
    for (const QByteArray& data : packed)
        out += data;

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "mt_draw_pictures: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
