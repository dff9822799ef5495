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

    void cmdDial_Click();
    void cmdCancel_Click();

signals:
    // The entry picked: the dial dialog opens on it.
    void dialRequested(const QString& entry);

protected:
    void reject() override;

private:
    QLabel* Label1;
    QListWidget* listdialchoose;
    QPushButton* cmdDial;
    QPushButton* cmdCancel;
    Program& m_program;
};
