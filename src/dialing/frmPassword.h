#pragma once

#include <QDialog>

class Program;
class QLabel;
class QLineEdit;
class QPushButton;

// The password prompt before dialing the default profile. Modeless and reused: it is hidden, never
// destroyed, when it finishes.
class frmPassword : public QDialog {
    Q_OBJECT
public:
    explicit frmPassword(Program& program);
    ~frmPassword() override;

    void cmdOKPassword_Click();
    void cmdCancelPassword_Click();

protected:
    void reject() override;

private:
    QLabel* Label1;
    QLineEdit* textPassword;
    QPushButton* cmdOKPassword;
    QPushButton* cmdCancelPassword;
    Program& m_program;
};
