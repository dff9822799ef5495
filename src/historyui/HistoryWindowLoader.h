#pragma once

#include <QString>

#include <memory>

class HistorySource;
class QWidget;

// Loads the History window's module the first time the window is wanted: Qt Charts is mapped into
// the program then, not at start-up (ModuleLoader finds the module).
namespace HistoryWindowLoader {
// The window (a top-level widget without a parent), or nullptr with the reason.
QWidget* create(std::unique_ptr<HistorySource> source, QString* error);
} // namespace HistoryWindowLoader
