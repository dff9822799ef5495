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

    // Shows the window with this message.
    void showWarning(const QString& message);
    void cmdWarnClose_Click();

signals:
    // Closed: this instance is done with (the next warning loads a fresh one).
    void dismissed();

protected:
    // Escape and the window frame's close button unload the window like cmdWarnClose.
    void reject() override;

private:
    QLabel* labelWarn;
    QPushButton* cmdWarnClose;
};
