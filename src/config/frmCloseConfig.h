#pragma once

#include <QDialog>

class Program;

class frmCloseConfig : public QDialog {
    Q_OBJECT
public:
    explicit frmCloseConfig(Program& program);
    ~frmCloseConfig() override;

private:
    Program& m_program;
};
