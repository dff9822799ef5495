#pragma once

#include <QDialog>

class Program;

class frmDeleteProfile : public QDialog {
    Q_OBJECT
public:
    explicit frmDeleteProfile(Program& program);
    ~frmDeleteProfile() override;

private:
    Program& m_program;
};
