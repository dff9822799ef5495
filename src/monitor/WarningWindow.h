#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// A warning window: a bold message and a close button. Closing (the button, Escape or the frame's
// close button) says it is done with (dismissed); its host unloads it and the next warning loads a
// fresh one.
class WarningWindow : public QDialog {
    Q_OBJECT
public:
    ~WarningWindow() override;

signals:
    void dismissed();

protected:
    // The window's, the message's and the button's object names, and the message's least width.
    WarningWindow(const char* windowName, const char* labelName, const char* buttonName, int minimumWidth);
    void reject() override;

    QLabel* m_message;
    QPushButton* m_close;
};
