#pragma once

#include <QDialog>

class Program;

class frmEditProfile : public QDialog {
    Q_OBJECT
public:
    explicit frmEditProfile(Program& program);
    ~frmEditProfile() override;

private:
    Program& m_program;
};
