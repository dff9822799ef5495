#pragma once

#include <QDialog>

class Program;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The profile editor: a profile's user name, password and domain. Modify stores them (the profile's
// four items move to the end of gProfiles); Cancel leaves everything as it was.
class frmEditProfile : public QDialog {
    Q_OBJECT
public:
    explicit frmEditProfile(Program& program);
    ~frmEditProfile() override;

    // Shows this profile's credentials and waits for Modify or Cancel (modal).
    int open(const QString& profile);
    void cmdModifyProfile_Click();
    void cmdCancelModify_Click();
    void cmdModifyHelp_Click();

signals:
    void helpRequested();

private:
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* textEditProfileName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* textEditUsername = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* textEditPassword = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* textEditDomain = nullptr;
    QPushButton* cmdModifyProfile = nullptr;
    QPushButton* cmdCancelModify = nullptr;
    QPushButton* cmdModifyHelp = nullptr;
    Program& m_program;
};
