#include "monitor/HelpWindow.h"

#include "platform/desktop/Icons.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace HelpWindow {

QGroupBox* frame(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QGroupBox(title, parent);
    auto* label = new QLabel(text, box);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(label);
    return box;
}

QPushButton* closeButton(QWidget* parent) {
    return closePictureButton(parent, "Command1", QCoreApplication::translate("HelpWindow", "Close"),
                              Picture::CloseHelp);
}

} // namespace HelpWindow
