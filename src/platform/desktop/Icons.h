#pragma once

#include <QIcon>
#include <QSize>
#include <QSizeF>
#include <QString>

class QFont;
class QPainter;
class QPushButton;
class QRectF;
class QWidget;

// A picture for a button: the desktop theme's icon of that name, or a small bundled picture drawn
// from a glyph when the theme has none (headless machines, minimal desktops).
QIcon themedIcon(const QString& themeName, const QString& glyph, const QColor& colour);

// Draws `text` in `font` made heavier, as a bold face would show it: struck twice, the second time a
// pixel to the right (more for large text), so that each upright stroke is a pixel wider. The bold face
// is a font file of its own, with shaping tables and caches (about 300 KB a start would hold for a
// clock and a few glyphs); the regular face is loaded for every other text already. Aligned in `rect`
// as QPainter::drawText aligns one line; in the painter's pen.
void drawHeavyText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QFont& font,
                   const QString& text);

// The size `text` takes when drawn by drawHeavyText.
QSizeF heavyTextSize(const QFont& font, const QString& text);

// A button that shows only a picture: its tip is also its name for screen readers.
QPushButton* pictureButton(QWidget* parent, const char* objectName, const QString& tip, const QIcon& icon,
                           QSize iconSize, QSize minimumSize);

// A window's close button: the theme's "window-close" picture (or a cross in `colour`), 24 px, the
// window's default button.
QPushButton* closePictureButton(QWidget* parent, const char* objectName, const QString& tip,
                                const QColor& colour);
