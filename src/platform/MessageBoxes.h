#pragma once

#include <QString>

// Every message box of the program goes through this seam: the desktop shows a real QMessageBox, the
// tests record each box and answer it from a script.
enum class BoxIcon { None, Information, Exclamation, Critical, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct Box {
    QString text;
    QString title;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    bool operator==(const Box&) const = default;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows one box and returns the button pressed. An empty title shows the program's own title.
    BoxAnswer msgBox(const QString& text, BoxButtons buttons = BoxButtons::Ok, BoxIcon icon = BoxIcon::None,
                     const QString& title = {}) {
        return ask(Box{text, title.isEmpty() ? programTitle() : title, icon, buttons});
    }

    static QString programTitle() { return QStringLiteral("ModemTally"); }

protected:
    virtual BoxAnswer ask(const Box& box) = 0;
};
