#pragma once

#include <QDialog>

class Program;

class frmDialSelected : public QDialog {
    Q_OBJECT
public:
    explicit frmDialSelected(Program& program);
    ~frmDialSelected() override;

private:
    Program& m_program;
};
