#pragma once

#include <QDialog>

class Program;

class frmHelpDelete : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpDelete(Program& program);
    ~frmHelpDelete() override;

private:
    Program& m_program;
};
