#include "platform/desktop/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {
// A box's standard buttons take their captions from Qt's own translation contexts. The program's
// translations carry these few captions, so a translated box needs no translation file of Qt's.
[[maybe_unused]] const char* const kButtonCaptions[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),     QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
};
} // namespace

BoxAnswer QtMessageBoxes::ask(const Box& box) {
    QMessageBox mb(QApplication::activeWindow());
    mb.setObjectName(QStringLiteral("messageBox"));
    mb.setText(box.text);
    mb.setWindowTitle(box.title);
    switch (box.icon) {
    case BoxIcon::None:
        mb.setIcon(QMessageBox::NoIcon);
        break;
    case BoxIcon::Information:
        mb.setIcon(QMessageBox::Information);
        break;
    case BoxIcon::Exclamation:
        mb.setIcon(QMessageBox::Warning);
        break;
    case BoxIcon::Critical:
        mb.setIcon(QMessageBox::Critical);
        break;
    case BoxIcon::Question:
        mb.setIcon(QMessageBox::Question);
        break;
    }
    switch (box.buttons) {
    case BoxButtons::Ok:
        mb.setStandardButtons(QMessageBox::Ok);
        break;
    case BoxButtons::OkCancel:
        mb.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case BoxButtons::YesNo:
        mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case BoxButtons::YesNoCancel:
        mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (mb.exec()) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    case QMessageBox::Cancel:
        return BoxAnswer::Cancel;
    default:
        return box.buttons == BoxButtons::YesNoCancel ? BoxAnswer::Cancel : BoxAnswer::Ok;
    }
}
