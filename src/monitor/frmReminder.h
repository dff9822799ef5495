#pragma once

#include <QDialog>

class Program;
class QLabel;
class QLineEdit;
class QPushButton;

// The periodic reminder of the connection time, with a way to hang up. Only ever hidden, never
// unloaded.
class frmReminder : public QDialog {
    Q_OBJECT
public:
    explicit frmReminder(Program& program);
    ~frmReminder() override;

    QLabel* Label1;
    QLineEdit* textReminderTime;
    QPushButton* cmdReminderClose;
    QPushButton* cmdReminderHangup;

    void cmdReminderClose_Click();
    void cmdReminderHangup_Click();

private:
    Program& m_program;
};
