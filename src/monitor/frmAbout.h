#pragma once

#include <QDialog>

class Program;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Program& program);
    ~frmAbout() override;

private:
    Program& m_program;
};
