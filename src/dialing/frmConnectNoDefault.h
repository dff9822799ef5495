#pragma once

#include <QDialog>

class Program;

class frmConnectNoDefault : public QDialog {
    Q_OBJECT
public:
    explicit frmConnectNoDefault(Program& program);
    ~frmConnectNoDefault() override;

private:
    Program& m_program;
};
