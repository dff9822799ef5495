#pragma once

#include <QDialog>

class Program;
class QLabel;
class QPushButton;

// The notice shown before the system's new-entry dialog: Proceed starts it and has the phone book
// enumerated again so the new entry is picked up; Cancel just closes the notice.
class frmWarnNewConnection : public QDialog {
    Q_OBJECT
public:
    explicit frmWarnNewConnection(Program& program);
    ~frmWarnNewConnection() override;

    void cmdCancel_Click();
    void cmdProceed_Click();

private:
    QLabel* Label1 = nullptr; // the heading
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdProceed = nullptr;
    Program& m_program;
};
