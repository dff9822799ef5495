#pragma once

#include <QDialog>

class Program;
class QLineEdit;
class QPushButton;

// The small window with the running clock of the connection. Closing it only hides it.
class frmTimerConsole : public QDialog {
    Q_OBJECT
public:
    explicit frmTimerConsole(Program& program);
    ~frmTimerConsole() override;

    QLineEdit* textTimerValue;
    QPushButton* cmdTimerClose;

    void cmdTimerClose_Click();

private:
    Program& m_program;
};
