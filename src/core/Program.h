#pragma once

#include "core/PlanBook.h"
#include "core/Settings.h"
#include "core/State.h"
#include "platform/Seams.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class formRAS;

// The windows the model asks for when a flow needs the user's answer.
enum class Prompt { Password, ProfilePicker };
// Who asks: the Connect button, the automatic dial at start-up, or the redial timer (which brings
// the window to the front, since the series waits on it).
enum class PromptFrom { ConnectButton, AutoDial, Redial };

// The one program object: it owns every setting, all dial and session state and the platform seams.
// It knows no window: the windows watch its signals and call it for every decision. Nothing of the
// program lives outside it, so tests build a fresh one per test.
class Program : public QObject {
    Q_OBJECT
public:
    // dataDir anchors the bare-name files ("cc.txt", "cc1.txt", the month files).
    Program(Seams seams, const QString& dataDir);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Settings settings;
    DialState dial;
    SessionState session;
    ProgramFlags flags;
    // The profiles' plans and their warnings (kept in the program's INI file once main() names it).
    PlanBook plans;
    // The main console's status list.
    StatusList status;
    // The session tick: once a second while a dial or a connection is in progress.
    QTimer timer;
    // The phone book's entries as the enumeration listed them, in order: the configuration console's
    // profile list and the profile picker show them.
    QStringList listedEntries;
    // The profiles read from the settings file, in file order: the delete-profiles checklist.
    QStringList fileProfiles;
    // What the configuration console's start-page and redial-attempts boxes show. Save writes these
    // lines, which may differ from gStartURL (kept trimmed) and gRedialMax (the box keeps its initial
    // "3" until a redial option is read, and whatever is typed until it is checked).
    QString startPageLine;
    QString redialLine;
    // The settings file was read (at start-up): a console or chooser opened later shows what was read
    // rather than its initial texts.
    bool settingsFileRead = false;

    QString dataDir() const { return m_dataDir; }
    // A bare file name resolved in the data directory.
    QString dataPath(const QString& bareName) const;

    MessageBoxes& boxes() { return *m_seams.boxes; }
    Clock& clock() { return *m_seams.clock; }
    RasControl& ras() { return *m_seams.ras; }
    Tray& tray() { return *m_seams.tray; }
    Sound& sound() { return *m_seams.sound; }
    Browser& browser() { return *m_seams.browser; }
    IcmpEcho& icmp() { return *m_seams.icmp; }
    SysInfo& sysInfo() { return *m_seams.sysInfo; }
    Shortcuts& shortcuts() { return *m_seams.shortcuts; }
    Notifier& notifier() { return *m_seams.notifier; }

    // The hidden form with the remote-access control's event handlers and the redial timer.
    ::formRAS& formRAS() { return *m_formRAS; }

    // The start-up sequence: greeting, defaults, the settings file (or the first run), the phone book,
    // the active connection and the automatic dial.
    void startUp();
    // True when start-up found no settings file: only the configuration console is shown until the
    // first save.
    bool firstRunHidden() const { return m_firstRunHidden; }

    // The caption of the main console's Connect button.
    QString connectCaption() const { return m_connectCaption; }
    void setConnectCaption(const QString& caption);
    // Sets the tray icon's tip (at most 63 characters) and asks for it to be shown.
    void setTrayTip(const QString& tip);

    // Save of the configuration console: writes the settings file with the start page and redial
    // lines as the console's boxes show them. False with the reason when nothing could be written.
    bool saveSettings(QString* error = nullptr);
    // After a successful save: no longer a first run, the Connect caption follows the default profile.
    void settingsSaved();
    // The close-without-saving question is off once the user ticked "Remove this reminder".
    bool closeReminderRemoved() const;
    void removeCloseReminder();

    // Removes each of these profiles, telling the user of each.
    void deleteProfiles(const QStringList& names);
    // The remote-access service's own editor for a phone-book entry.
    void editEntry(const QString& name);

    // Exit's last step: every window closes and the program ends.
    void finish();
    // True once Exit has closed everything; the application then quits.
    bool finished() const { return m_finished; }
    // Called once when Exit has closed everything (main() quits the application there).
    void setOnFinished(std::function<void()> f) { m_onFinished = std::move(f); }

signals:
    // The enumeration listed a phone-book entry.
    void entryListed(const QString& entry);
    // Start-up read the settings file: the configuration console and sound chooser show it.
    void settingsRead();
    // Start-up found no settings file: the configuration console opens alone, with Close disabled.
    void firstRun();
    // Phone-book entries have gone: the user picks the profiles to delete (a modal dialog).
    void profilesToDelete();
    // A flow needs the password prompt or the profile picker.
    void promptWanted(Prompt prompt, PromptFrom from);
    // A dial came up ("Connected"): the main console goes to the tray or minimizes as configured.
    void lineUpByDial();
    void connectCaptionChanged(const QString& caption);
    void trayTipChanged(const QString& tip);
    // The configuration was saved: Connect becomes the main console's default button and it shows.
    void configurationSaved();
    // Exit: every window closes.
    void closing();

private:
    Seams m_seams;
    QString m_dataDir;
    std::unique_ptr<::formRAS> m_formRAS;
    QString m_connectCaption = QCoreApplication::translate("Program", "Connect");
    bool m_firstRunHidden = false;
    bool m_finished = false;
    std::function<void()> m_onFinished;
};
