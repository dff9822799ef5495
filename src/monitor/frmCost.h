#pragma once

#include <QDialog>

class Program;
class QLabel;
class QPushButton;

// The cost of the connection just ended, shown after a hang-up. Closing unloads it.
class frmCost : public QDialog {
    Q_OBJECT
public:
    explicit frmCost(Program& program);
    ~frmCost() override;

    QLabel* Label1;
    QLabel* labelCost;
    QLabel* labelDisc;
    QPushButton* Command1;

    void Command1_Click();

protected:
    // Escape and the window frame's close button unload the window like Command1.
    void reject() override;

private:
    Program& m_program;
};
