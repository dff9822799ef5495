#pragma once

#include <QDialog>

class Program;
class QLabel;
class QListWidget;
class QPushButton;

// The profile picker: every phone-book entry, to pick the one to dial. Modeless and reused.
class frmConnectNoDefault : public QDialog {
    Q_OBJECT
public:
    explicit frmConnectNoDefault(Program& program);
    ~frmConnectNoDefault() override;

    QLabel* Label1;
    QListWidget* listdialchoose;
    QPushButton* cmdDial;
    QPushButton* cmdCancel;

    void cmdDial_Click();
    void cmdCancel_Click();

protected:
    void reject() override;

private:
    Program& m_program;
};
