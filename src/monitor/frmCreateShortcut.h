#pragma once

#include <QDialog>

class Program;

class frmCreateShortcut : public QDialog {
    Q_OBJECT
public:
    explicit frmCreateShortcut(Program& program);
    ~frmCreateShortcut() override;

private:
    Program& m_program;
};
