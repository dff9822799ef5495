#pragma once

#include <QDialog>

class Program;

class frmHelpStart : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpStart(Program& program);
    ~frmHelpStart() override;

private:
    Program& m_program;
};
