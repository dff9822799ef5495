#pragma once

#include <QDialog>

class Program;
class QPushButton;

class frmHelpStart : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpStart(Program& program);
    ~frmHelpStart() override;

    QPushButton* Command1 = nullptr; // closes the window

    void Command1_Click();

private:
    Program& m_program;
};
