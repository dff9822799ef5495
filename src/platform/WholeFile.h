#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Replaces the file at path with data as a whole: written beside it and renamed over it only when
// every byte is on disk, so a failure (a full disk, a file-size limit, a read-only folder) leaves the
// old file whole. ownerOnly makes the file readable and writable by its owner only; otherwise a file
// that exists keeps its permissions. Only a regular file is replaced: a symbolic link (wherever it
// points), a folder or a device is refused and nothing is written, and no save ever writes through
// a link. Returns an empty text on success, else the reason.
QString writeWholeFile(const QString& path, const QByteArray& data, bool ownerOnly = false);

// The temporary file writeWholeFile writes a save of `fileName` into, beside it, is named
// fileName + ".saving-" + six random letters and digits, for example cc.txt.saving-q3ZxT0. True when
// `name` is such a temporary of a file whose name `targets` matches as a whole.
bool isInterruptedSaveName(const QString& name, const QRegularExpression& targets);

// Removes from the folder what saves interrupted by a kill or a power cut left behind: regular files
// of this user named as isInterruptedSaveName describes for `targets` (for example the pattern
// "cc\\.txt" removes cc.txt.saving-q3ZxT0 but never cc.txt.backup). A temporary that a save running
// at this moment still writes is left alone, and so are links, folders and other users' files.
// Returns the names removed.
QStringList removeInterruptedSaves(const QString& folder, const QRegularExpression& targets);

// Makes the file at path readable and writable by its owner only (0600) when its permissions allow
// more (anything for the group or others, or execution). A link is not followed (it is refused) and
// a missing file is no failure. `narrowed` (optional) tells whether the permissions were changed.
// Returns an empty text on success, else the reason.
QString narrowToOwnerOnly(const QString& path, bool* narrowed = nullptr);

// True when users other than its owner can add, rename or remove files in the folder: it is
// writable by everyone (with or without the sticky bit), or by a group other than the owner's own
// personal group (the group of the owner's name with nobody else in it).
bool writableByOthers(const QString& folder);

// The first of baseName, baseName.1, baseName.2 ... that names nothing in the folder (a dangling link
// names something): where one more kept copy goes without replacing the earlier ones.
QString nextFreeNumberedName(const QString& folder, const QString& baseName);
