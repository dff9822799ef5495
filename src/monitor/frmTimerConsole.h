#pragma once

#include <QDialog>

class Program;

class frmTimerConsole : public QDialog {
    Q_OBJECT
public:
    explicit frmTimerConsole(Program& program);
    ~frmTimerConsole() override;

private:
    Program& m_program;
};
