#pragma once

#include <QDialog>

class Program;

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// A profile's plan: the data and time allowances of a billing cycle, the day the cycle begins, the
// price of each megabyte past the allowance and the thresholds that warn. Saved to the program's
// INI file with its own Save button; closing it unloads it.
class frmPlan : public QDialog {
    Q_OBJECT
public:
    explicit frmPlan(Program& program);
    ~frmPlan() override;

    // Shows the window with that profile's plan (the first profile when it is not listed).
    void open(const QString& profile);
    // Saves the fields as the chosen profile's plan; false, with the reason shown, when a field is
    // not right or the file cannot be written.
    bool cmdPlanSave_Click();
    void cmdPlanClose_Click();

signals:
    void dismissed();

protected:
    void reject() override;

private:
    void showPlan();
    void showCycle();

    Program& m_program;
    QComboBox* comboPlanProfile;
    QDoubleSpinBox* spinDataAllowance;
    QSpinBox* spinTimeAllowance;
    QSpinBox* spinCycleDay;
    QLineEdit* textExtraPrice;
    QLineEdit* textThresholds;
    QLabel* labelCycle;
    QLabel* labelPlanError;
    QPushButton* cmdPlanSave;
    QPushButton* cmdPlanClose;
};
