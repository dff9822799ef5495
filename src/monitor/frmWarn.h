#pragma once

#include <QDialog>

class Program;
class QLabel;
class QPushButton;

// The limit warning: one message and a close button. Closing unloads it; the next warning loads a
// fresh one.
class frmWarn : public QDialog {
    Q_OBJECT
public:
    explicit frmWarn(Program& program);
    ~frmWarn() override;

    QLabel* labelWarn;
    QPushButton* cmdWarnClose;

    void cmdWarnClose_Click();

protected:
    // Escape and the window frame's close button unload the window like cmdWarnClose.
    void reject() override;

private:
    Program& m_program;
};
