#pragma once

#include <QDialog>

class Program;

class QLabel;
class QPushButton;

// A plan's warning (an allowance's threshold reached, or the pace of the cycle past its allowance):
// the message and a close button. Closing unloads it; the next warning loads a fresh one. A second
// warning while it is open is added below the first.
class frmPlanWarn : public QDialog {
    Q_OBJECT
public:
    explicit frmPlanWarn(Program& program);
    ~frmPlanWarn() override;

    void showWarning(const QString& message);
    void cmdPlanWarnClose_Click();

signals:
    void dismissed();

protected:
    void reject() override;

private:
    QLabel* labelPlanWarn;
    QPushButton* cmdPlanWarnClose;
};
