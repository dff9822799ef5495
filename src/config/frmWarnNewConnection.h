#pragma once

#include <QDialog>

class Program;

class frmWarnNewConnection : public QDialog {
    Q_OBJECT
public:
    explicit frmWarnNewConnection(Program& program);
    ~frmWarnNewConnection() override;

private:
    Program& m_program;
};
