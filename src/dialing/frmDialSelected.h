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

    // Shows the dialog on this profile with its stored credentials.
    void open(const QString& profile);
    void cmdDialDial_Click();
    void cmdDialCancel_Click();

signals:
    // The dial has started: the main console comes up to show it.
    void dialStarted();
    // Cancelled: this instance is done with (the next use starts from a fresh dialog).
    void dismissed();

protected:
    void reject() override;

private:
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
    Program& m_program;
};
