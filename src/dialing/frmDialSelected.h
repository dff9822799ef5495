#pragma once

#include <QDialog>

class Program;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Confirms the profile to dial with its credentials, which the user may change for this dial only.
// Filled by the profile picker and by the configuration console's "Dial selected...". Its Cancel
// closes it and discards the fields.
class frmDialSelected : public QDialog {
    Q_OBJECT
public:
    explicit frmDialSelected(Program& program);
    ~frmDialSelected() override;

    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* textDialProfilename;
    QLineEdit* textDialUsername;
    QLineEdit* textDialPassword;
    QLineEdit* textDialDomain;
    QPushButton* cmdDialDial;
    QPushButton* cmdDialCancel;

    void cmdDialDial_Click();
    void cmdDialCancel_Click();

protected:
    void reject() override;

private:
    Program& m_program;
};
