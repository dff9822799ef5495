#pragma once

#include <QDialog>

class Program;

class QLabel;
class QLineEdit;
class QPushButton;

// The small window with the running clock of the connection. Closing it only hides it.
class frmTimerConsole : public QDialog {
    Q_OBJECT
public:
    explicit frmTimerConsole(Program& program);
    ~frmTimerConsole() override;

    // The clock of the second just counted. While minimized only the title shows on the taskbar, so
    // it carries the clock too; it is left as it is when the window comes back.
    void showClock(const QString& elapsedText);
    void cmdTimerClose_Click();

private:
    QLineEdit* textTimerValue;
    QLabel* labelTimerData; // the session's bytes and pace while connected
    QPushButton* cmdTimerClose;
};
