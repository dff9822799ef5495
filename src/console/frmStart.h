#pragma once

#include <QWidget>

class Program;
class QAction;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListView;
class QMenu;
class QPushButton;

// The main console: the status list, the elapsed time and the column of picture buttons. It shows
// the model (status lines, clock, what can be pressed, the Connect caption) and hands every button
// to the model or, for the buttons that open windows, to whoever shows them.
class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(Program& program);
    ~frmStart() override;

    // The lines of the status list as shown.
    QStringList statusLines() const;
    // The tray's popup menu (mPopupSys).
    QMenu* trayMenu() const { return mPopupSys; }

    void cmdConnectDefault_Click();
    void cmdHangup_Click();
    void cmdConfiguration_Click();
    void cmdStartHelp_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
    void Command1_Click();
    void Command2_Click();
    void mPopRestore_Click();
    void mPopExit_Click();
    void mMin_Click();
    void mConfiguration_Click();
    void mPopHangup_Click();

signals:
    void configurationRequested();
    void helpRequested();
    void aboutRequested();
    // The History window (cmdHistory, or mHistory in the tray menu).
    void historyRequested();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showControls();

    QGroupBox* Frame1;
    QPushButton* cmdConnectDefault;
    QPushButton* cmdHangup;
    QPushButton* cmdConfiguration;
    QPushButton* cmdStartHelp;
    QPushButton* cmdAbout;
    QPushButton* cmdExit;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* cmdHistory;
    QLabel* Label1;
    QListView* listConnectionStatus;
    QLabel* Label2;
    QLabel* labelTime;
    QLabel* labelData; // the session's bytes and pace, beside the clock while connected

    QMenu* mPopupSys;
    QAction* mPopRestore;
    QAction* mPopExit;
    QAction* mMin;
    QAction* mConfiguration;
    QAction* mPopHangup;
    QAction* mHistory;

    Program& m_program;
    bool m_unloaded = false;
};
