#pragma once

#include <QDialog>

class Program;

class frmHelpEdit : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpEdit(Program& program);
    ~frmHelpEdit() override;

private:
    Program& m_program;
};
