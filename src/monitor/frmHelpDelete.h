#pragma once

#include <QDialog>

class Program;
class QPushButton;

class frmHelpDelete : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpDelete(Program& program);
    ~frmHelpDelete() override;

    QPushButton* Command1 = nullptr; // closes the window

    void Command1_Click();

private:
    Program& m_program;
};
