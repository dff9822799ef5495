#pragma once

#include <QDialog>

class Program;
class QLabel;
class QPushButton;

// The About box: the program's name, version and release date, and a way to the system's own
// information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Program& program);
    ~frmAbout() override;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the system information program, or says that there is none.
    void StartSysInfo();

signals:
    // OK: this instance is done with.
    void dismissed();

private:
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblReleaseDate = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QPushButton* cmdOK = nullptr;

    void Form_Load();

    Program& m_program;
};
