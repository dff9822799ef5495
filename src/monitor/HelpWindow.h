#pragma once

#include <QString>

class QDialog;
class QGroupBox;
class QPushButton;
class QWidget;

// Pieces shared by the help windows.
namespace HelpWindow {
// A framed paragraph of help text.
QGroupBox* frame(QWidget* parent, const QString& title, const QString& text);
// The picture button that closes a help window (tip and accessible name "Close").
QPushButton* closeButton(QWidget* parent);
} // namespace HelpWindow
