#include "resources/Pictures.h"

#include <QBuffer>
#include <QResource>
#include <QtEndian>

#include <algorithm>

QImage bundledPicture(Picture picture, int side) {
    const auto it = std::find(kBundledSides.begin(), kBundledSides.end(), side);
    if (it == kBundledSides.end())
        return {};
    // The file mt_draw_pictures wrote (DrawPictures.cpp says how it is laid out), read in place: the
    // resource is in the program's read-only pages already. A file that does not hold what this
    // build's table asks for gives no picture, and the picture is drawn instead.
    const QResource file(QStringLiteral(":/icons/pictures.bin"));
    QByteArray data = file.uncompressedData();
    const auto number = [&data](qsizetype at) {
        return at + 4 <= data.size() ? qFromLittleEndian<quint32>(data.constData() + at) : 0;
    };
    const qsizetype count = qsizetype(kPictures.size() * kBundledSides.size());
    if (number(0) != quint32(count))
        return {};
    const qsizetype index = qsizetype(size_t(picture) * kBundledSides.size()) + (it - kBundledSides.begin());
    const qsizetype offset = number(4 + 8 * index), length = number(8 + 8 * index);
    if (offset < 4 + 8 * count || length <= 0 || offset + length > data.size())
        return {};
    QByteArray png = QByteArray::fromRawData(data.constData() + offset, length);
    QBuffer buffer(&png);
    buffer.open(QIODevice::ReadOnly);
    return readPng(buffer);
}
