#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

// A picture for a button: the desktop theme's icon of that name, or a small bundled picture drawn
// from a glyph when the theme has none (headless machines, minimal desktops).
QIcon themedIcon(const QString& themeName, const QString& glyph, const QColor& colour);

// A button that shows only a picture: its tip is also its name for screen readers.
QPushButton* pictureButton(QWidget* parent, const char* objectName, const QString& tip, const QIcon& icon,
                           QSize iconSize, QSize minimumSize);

// A window's close button: the theme's "window-close" picture (or a cross in `colour`), 24 px, the
// window's default button.
QPushButton* closePictureButton(QWidget* parent, const char* objectName, const QString& tip,
                                const QColor& colour);
