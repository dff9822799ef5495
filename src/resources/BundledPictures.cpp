#include "resources/Pictures.h"

#include <QResource>
#include <QtEndian>

#include <algorithm>

namespace {
// Picture `index` of the file mt_draw_pictures wrote (DrawPictures.cpp says how it is laid out),
// `side` pixels square, or a null image. The file is read in place (the resource lies in the
// program's read-only pages); a file that does not hold what this build's tables ask for gives no
// picture, and the caller draws one instead.
QImage bundledImage(qsizetype index, int side) {
    const QResource resource(QStringLiteral(":/icons/pictures.bin"));
    const QByteArray file = resource.uncompressedData();
    const auto number = [&file](qsizetype at) {
        return at >= 0 && at + 4 <= file.size() ? qFromLittleEndian<quint32>(file.constData() + at) : 0;
    };
    const qsizetype count = qsizetype(kAppIconSides.size() + kPictures.size() * kBundledSides.size());
    if (number(0) != quint32(count) || index < 0 || index >= count)
        return {};
    const qsizetype at = 4 + 12 * index;
    const qsizetype offset = number(at), length = number(at + 4);
    if (number(at + 8) != quint32(side) || offset < 4 + 12 * count || length <= 0 ||
        offset + length > file.size())
        return {};
    auto* pixels =
        new QByteArray(qUncompress(reinterpret_cast<const uchar*>(file.constData() + offset), length));
    if (pixels->size() != qsizetype(side) * side * 4) {
        delete pixels;
        return {};
    }
    // The image uses the unpacked bytes as they are, and frees them with itself.
    return QImage(
        reinterpret_cast<uchar*>(pixels->data()), side, side, QImage::Format_ARGB32_Premultiplied,
        [](void* bytes) { delete static_cast<QByteArray*>(bytes); }, pixels);
}
} // namespace

QImage appIconPicture(int side) {
    const auto it = std::find(kAppIconSides.begin(), kAppIconSides.end(), side);
    return it == kAppIconSides.end() ? QImage() : bundledImage(it - kAppIconSides.begin(), side);
}

QImage bundledPicture(Picture picture, int side) {
    const auto it = std::find(kBundledSides.begin(), kBundledSides.end(), side);
    if (it == kBundledSides.end())
        return {};
    return bundledImage(qsizetype(kAppIconSides.size() + size_t(picture) * kBundledSides.size()) +
                            (it - kBundledSides.begin()),
                        side);
}
