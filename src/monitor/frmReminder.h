#pragma once

#include <QDialog>

class Program;

class frmReminder : public QDialog {
    Q_OBJECT
public:
    explicit frmReminder(Program& program);
    ~frmReminder() override;

private:
    Program& m_program;
};
