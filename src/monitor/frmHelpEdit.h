#pragma once

#include <QDialog>

class Program;
class QPushButton;

class frmHelpEdit : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpEdit(Program& program);
    ~frmHelpEdit() override;

    QPushButton* Command1 = nullptr; // closes the window

    void Command1_Click();

private:
    Program& m_program;
};
