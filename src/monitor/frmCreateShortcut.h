#pragma once

#include <QDialog>
#include <QStringList>

class Program;
class QLabel;
class QLineEdit;
class QPushButton;

// "Creating Shortcut for ModemTally": puts a launcher for the program on the user's desktop under a
// name the user chooses.
class frmCreateShortcut : public QDialog {
    Q_OBJECT
public:
    explicit frmCreateShortcut(Program& program);
    ~frmCreateShortcut() override;

    // A typed character: false (and the reason shown) when a file name cannot hold it.
    bool txtShortcutName_KeyPress(QChar typed);
    void cmdCreateShortcut_Click();
    void cmdCreateCancel_Click();
    // Makes the launcher; reports a failure itself and says nothing on success.
    void CreateDesktopShortcut(const QString& folder, const QString& linkName, const QString& target,
                               const QStringList& arguments);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Cancelled: this instance is done with (the next use starts from a fresh dialog).
    void dismissed();

private:
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtShortcutName = nullptr;
    QPushButton* cmdCreateShortcut = nullptr;
    QPushButton* cmdCreateCancel = nullptr;
    QLineEdit* txtShortcutDir = nullptr; // hidden: the destination folder
    QLineEdit* txtExename = nullptr;     // hidden: not used

    void Form_Load();
    void showForbiddenCharacters();

    Program& m_program;
};
