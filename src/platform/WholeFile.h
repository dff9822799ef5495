#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with data as a whole: written beside it and renamed over it only when
// every byte is on disk, so a failure (a full disk, a file-size limit, a read-only folder) leaves the
// old file whole. ownerOnly makes the file readable and writable by its owner only. Returns an empty
// text on success, else the reason.
QString writeWholeFile(const QString& path, const QByteArray& data, bool ownerOnly = false);
