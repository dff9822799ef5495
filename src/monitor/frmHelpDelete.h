#pragma once

#include <QDialog>

class Program;
class QPushButton;

class frmHelpDelete : public QDialog {
    Q_OBJECT
public:
    explicit frmHelpDelete(Program& program);
    ~frmHelpDelete() override;

    void Command1_Click();

signals:
    // Closed: this instance is done with.
    void dismissed();

private:
    QPushButton* Command1 = nullptr; // closes the window
};
