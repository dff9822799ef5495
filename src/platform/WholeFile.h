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

// Reads the whole file at path into data, at most maxBytes of it. Only a regular file is read (a link
// to one is followed): a folder, device, pipe or socket under the name is refused without waiting on
// it, and so is a file larger than maxBytes, or one that grows past it while it is read; `tooLarge`
// (optional) tells that case apart. Returns an empty text on success, else the reason.
QString readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, bool* tooLarge = nullptr);

// The temporary file writeWholeFile writes a save of `fileName` into, beside it, is named
// fileName + ".saving-" + six random letters and digits, for example cc.txt.saving-q3ZxT0. True when
// `name` is such a temporary of a file whose name `targets` matches as a whole.
bool isInterruptedSaveName(const QString& name, const QRegularExpression& targets);

// The writer of earlier versions left fileName + "." + six random letters of both cases, for example
// cc.txt.qWmTzb. True when `name` has that form for a name `targets` matches as a whole, and its six
// letters cannot be a word a user would choose: a name such as cc.txt.backup, cc.txt.Backup or
// cc.txt.BACKUP is never taken for one (about one leftover in twenty is therefore kept).
bool isEarlierSaveLeftoverName(const QString& name, const QRegularExpression& targets);

// Removes from the folder what saves interrupted by a kill or a power cut left behind: regular files
// of this user named as isInterruptedSaveName or isEarlierSaveLeftoverName describes for `targets`
// (for example the pattern "cc\\.txt" removes cc.txt.saving-q3ZxT0 and cc.txt.qWmTzb but never
// cc.txt.backup). A temporary that a save running at this moment still writes is left alone, and so
// are links, folders and other users' files. Returns the names removed.
QStringList removeInterruptedSaves(const QString& folder, const QRegularExpression& targets);

// Renames what is under `name` in the folder (a file, a folder with all it holds, a link itself) to
// the first free name of keptName, keptName.1, keptName.2 ..., never over anything. Returns an empty
// text on success and the new name in `keptAs`, else the reason.
QString moveAsideNumbered(const QString& folder, const QString& name, const QString& keptName,
                          QString* keptAs);

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
