#pragma once

#include <QWidget>

class Program;
class QAction;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;

// The main console: the status list, the elapsed time and the column of picture buttons. Loading it
// (Form_Load) runs the program's start-up sequence.
class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(Program& program);
    ~frmStart() override;

    // The start-up sequence.
    void Form_Load();
    // True when start-up left the main console hidden (the first run shows only the configuration
    // console until the first save).
    bool hiddenByStartUp() const { return m_firstRunHidden; }

    // Status list helpers: every line added and the clearing go through these.
    void addStatus(const QString& line);
    void clearStatus();
    QString lastStatus() const;
    QStringList statusLines() const;

    QGroupBox* Frame1;
    QPushButton* cmdConnectDefault;
    QPushButton* cmdHangup;
    QPushButton* cmdConfiguration;
    QPushButton* cmdStartHelp;
    QPushButton* cmdAbout;
    QPushButton* cmdExit;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
    QListWidget* listConnectionStatus;
    QLabel* Label2;
    QLabel* labelTime;
    QTimer* timer;

    QMenu* mPopupSys;
    QAction* mPopRestore;
    QAction* mPopExit;
    QAction* mMin;
    QAction* mConfiguration;
    QAction* mPopHangup;

    void cmdConnectDefault_Click();
    void cmdHangup_Click();
    void cmdConfiguration_Click();
    void cmdStartHelp_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
    void Command1_Click();
    void Command2_Click();
    void timer_Timer();
    void mPopRestore_Click();
    void mPopExit_Click();
    void mMin_Click();
    void mConfiguration_Click();
    void mPopHangup_Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Program& m_program;
    bool m_unloaded = false;
    bool m_firstRunHidden = false;
};
