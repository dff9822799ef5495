#pragma once

#include <QDialog>

class Program;
class QCheckBox;
class QLabel;
class QPushButton;

// The confirmation before the configuration console is closed without saving. It is hidden, not
// destroyed, so "Remove this reminder" keeps its state.
class frmCloseConfig : public QDialog {
    Q_OBJECT
public:
    explicit frmCloseConfig(Program& program);
    ~frmCloseConfig() override;

    void cmdYesClose_Click();
    void cmdNoClose_Click();

signals:
    // Yes: the configuration console closes without saving and the main console shows.
    void closeConfirmed();

private:
    QLabel* Label1 = nullptr;
    QCheckBox* checkRemoveCloseReminder = nullptr;
    QPushButton* cmdYesClose = nullptr;
    QPushButton* cmdNoClose = nullptr;
    Program& m_program;
};
