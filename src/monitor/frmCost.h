#pragma once

#include <QDialog>

class Program;

class frmCost : public QDialog {
    Q_OBJECT
public:
    explicit frmCost(Program& program);
    ~frmCost() override;

private:
    Program& m_program;
};
