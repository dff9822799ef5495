#pragma once

#include <QDialog>

class Program;

class frmPassword : public QDialog {
    Q_OBJECT
public:
    explicit frmPassword(Program& program);
    ~frmPassword() override;

private:
    Program& m_program;
};
