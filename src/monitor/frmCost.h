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

    // Shows the window with the amount (and the note, when there is one).
    void showCost(const QString& amountText, const QString& note);
    void Command1_Click();

signals:
    // Closed: this instance is done with (the next cost loads a fresh one).
    void dismissed();

protected:
    // Escape and the window frame's close button unload the window like Command1.
    void reject() override;

private:
    void nameCost();

    QLabel* Label1;
    QLabel* labelCost;
    QLabel* labelDisc;
    QPushButton* Command1;
};
