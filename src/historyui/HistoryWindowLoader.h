#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class HistorySource;
class QWidget;

// Loads the History window's module the first time the window is wanted: Qt Charts is mapped into
// the program then, not at start-up. The module is looked for in $MODEMTALLY_MODULE_DIR, beside the
// program (the build tree) and in the installed library folder.
namespace HistoryWindowLoader {
// The window (a top-level widget without a parent), or nullptr with the reason.
QWidget* create(std::unique_ptr<HistorySource> source, QString* error);
// The files tried, in order.
QStringList candidates();
} // namespace HistoryWindowLoader
