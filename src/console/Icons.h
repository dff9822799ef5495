#pragma once

#include <QIcon>
#include <QString>

// A picture for a button: the desktop theme's icon of that name, or a small bundled picture drawn
// from a glyph when the theme has none (headless machines, minimal desktops).
QIcon themedIcon(const QString& themeName, const QString& glyph, const QColor& colour);
