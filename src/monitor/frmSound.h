#pragma once

#include <QDialog>

class Program;

class frmSound : public QDialog {
    Q_OBJECT
public:
    explicit frmSound(Program& program);
    ~frmSound() override;

private:
    Program& m_program;
};
