#pragma once

#include <QString>
#include <QStringList>

// Desktop launchers (freedesktop .desktop files) for the shortcut window.
namespace DesktopShortcut {

// The characters a shortcut name may not hold: / \ : * ? " < > |
bool isForbidden(QChar c);
bool hasForbidden(const QString& name);
// The name without a final ".lnk" or ".pif" (any letter case).
QString stripLinkSuffix(const QString& name);

enum class Outcome {
    Created,
    BadName, // forbidden characters
    Failed,  // no usable name, or the folder or the file could not be written
};
struct Result {
    Outcome outcome = Outcome::Failed;
    QString path; // the launcher written
};

// The launcher's text: an application launcher named `name` that starts `target` with `arguments`.
QByteArray launcherText(const QString& name, const QString& target, const QStringList& arguments = {});

// Writes a launcher called `name` (its link suffix removed) into `folder`, creating the folder when
// needed. An item of that name already there is never overwritten: the new launcher takes the first
// free name of "Name (2)", "Name (3)", ... The file is made executable, as desktops require of
// launchers they trust.
Result create(const QString& folder, const QString& name, const QString& target,
              const QStringList& arguments = {});

} // namespace DesktopShortcut
