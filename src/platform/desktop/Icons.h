#pragma once

#include "resources/Pictures.h"

#include <QIcon>
#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

// A picture for a button (Pictures.h): the desktop theme's icon of its name, or the program's own.
QIcon themedIcon(Picture picture);

// A button that shows only a picture: its tip is also its name for screen readers.
QPushButton* pictureButton(QWidget* parent, const char* objectName, const QString& tip, const QIcon& icon,
                           QSize iconSize, QSize minimumSize);

// A window's close button: `picture` (a "window-close" one), 24 px, the window's default button.
QPushButton* closePictureButton(QWidget* parent, const char* objectName, const QString& tip, Picture picture);
