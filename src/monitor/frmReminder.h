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

    // Shows the window with the clock as it stands.
    void showReminder(const QString& elapsedText);
    void cmdReminderClose_Click();
    void cmdReminderHangup_Click();

private:
    QLabel* Label1;
    QLineEdit* textReminderTime;
    QPushButton* cmdReminderClose;
    QPushButton* cmdReminderHangup;
    Program& m_program;
};
