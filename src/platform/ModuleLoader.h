#pragma once

#include <QString>
#include <QStringList>

class QObject;

// The program's modules: the parts it loads the first time they are wanted (the History window with
// Qt Charts, the journal with Qt's SQL library), so that a start maps none of them. A module is looked
// for in $MODEMTALLY_MODULE_DIR, beside the program (the build tree) and in the installed library
// folder.
namespace ModuleLoader {
// The files tried for the module `fileName`, in order.
QStringList candidates(const QString& fileName);
// The module's plugin object, loading the module the first time; it stays loaded for the program's
// life; `loadedFrom` names its file. Null when no candidate exists (`error` left empty) or none
// loads (`error` says why). Any thread may ask.
QObject* instance(const QString& fileName, QString* error, QString* loadedFrom = nullptr);
} // namespace ModuleLoader
