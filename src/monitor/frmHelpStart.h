#pragma once

#include <QDialog>

class Program;
class QPushButton;

class frmHelpStart : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpStart(Program& program);
    ~frmHelpStart() override;

    void Command1_Click();

signals:
    // Closed: this instance is done with.
    void dismissed();

private:
    QPushButton* Command1 = nullptr; // closes the window
};
