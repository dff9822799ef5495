#include "platform/WholeFile.h"

#include <QSaveFile>

QString writeWholeFile(const QString& path, const QByteArray& data, bool ownerOnly) {
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write()'s count. Buffered, it would only fail in the
    // flush inside commit(), which still renames the cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    auto abandon = [&file]() {
        const QString reason = file.error() == QFileDevice::NoError
                                   ? QStringLiteral("not every byte could be written; the disk may be full")
                                   : file.errorString();
        file.cancelWriting();
        return reason;
    };
    if (ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return abandon();
    if (file.write(data) != data.size())
        return abandon();
    if (!file.commit())
        return file.errorString();
    return {};
}
