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
    auto* b = new QPushButton(parent);
    b->setObjectName(QStringLiteral("Command1"));
    b->setToolTip(QCoreApplication::translate("HelpWindow", "Close"));
    b->setAccessibleName(QCoreApplication::translate("HelpWindow", "Close"));
    b->setIcon(
        themedIcon(QStringLiteral("window-close"), QStringLiteral("\u2715"), QColor(0x15, 0x65, 0xc0)));
    b->setIconSize(QSize(24, 24));
    b->setDefault(true);
    return b;
}

} // namespace HelpWindow
