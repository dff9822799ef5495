#pragma once

#include <QDialog>
#include <QTimer>

#include <climits>
#include <functional>
#include <memory>

class Program;
class DirListBox;
class DriveListBox;
class FileListBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class SoundSearch;

// "Sound Control": the standard connection sound, or a wave file of the user's own found by searching
// a whole drive. The choices go straight into gUseDefaultSound and gCustomSoundFile.
class frmSound : public QDialog {
    Q_OBJECT
public:
    explicit frmSound(Program& program);
    ~frmSound() override;

    // Shows the sound settings read from the settings file: the standard sound chosen (the custom
    // part hidden, no file), or the custom sound with its file. Nothing runs as a click would.
    void showSettings();

    // The drive of a folder: the mount point that holds it.
    std::function<QString(const QString&)> driveRootOf;
    // How many paths the found list takes.
    void setFoundListLimit(qsizetype limit) { m_limit = limit; }
    // True while a search runs.
    bool searching() const { return m_search != nullptr; }
    // One slice of the running search (the window runs one per pass of the event loop), then the
    // search's end when it is over.
    void searchSlice(int maxDirectories = INT_MAX, qint64 maxMilliseconds = 15);
    // Runs the running search to its end without waiting for the event loop.
    void finishSearchNow();

    void ResetSearch();
    void cmdSearch_Click();
    void cmdExit_Click();
    void cmdPlayThisSound_Click();
    void cmdSampleSound_Click();
    void cmdClearCustom_Click();
    void cmdSoundOK_Click();
    void optionPlayDefaultSound_Click();
    void optionPlayCustomSound_Click();
    void drvList_Change();
    void dirList_Change();

signals:
    // A search has ended (finished, cancelled or abandoned).
    void searchEnded();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QRadioButton* optionPlayDefaultSound = nullptr;
    QRadioButton* optionPlayCustomSound = nullptr;
    QGroupBox* frameCustom = nullptr;
    QLineEdit* textSelectedSound = nullptr;

    DriveListBox* drvList = nullptr;
    DirListBox* dirList = nullptr;
    FileListBox* filList = nullptr;
    QListWidget* lstFoundFiles = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdPlayThisSound = nullptr;
    QPushButton* cmdSampleSound = nullptr;
    QPushButton* cmdClearCustom = nullptr;
    QPushButton* cmdSoundOK = nullptr;

    void Form_Load();
    void endSearch();
    QString highlightedFoundFile() const;

    Program& m_program;
    std::unique_ptr<SoundSearch> m_search;
    QTimer m_slice;
    qsizetype m_limit;
};
