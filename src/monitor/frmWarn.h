#pragma once

#include <QDialog>

class Program;

class frmWarn : public QDialog {
    Q_OBJECT
public:
    explicit frmWarn(Program& program);
    ~frmWarn() override;

private:
    Program& m_program;
};
