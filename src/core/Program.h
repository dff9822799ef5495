#pragma once

#include "core/Settings.h"
#include "core/State.h"
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageBoxes.h"
#include "platform/RasControl.h"
#include "platform/Shortcuts.h"
#include "platform/Sound.h"
#include "platform/SysInfo.h"
#include "platform/Tray.h"

#include <QString>

#include <functional>
#include <memory>

class frmStart;
class frmDeleteProfile;
class formRAS;
class frmPassword;
class frmConnectNoDefault;
class frmDialSelected;
class frmWarn;
class frmReminder;
class frmTimerConsole;
class frmCost;
class frmSound;
class frmCreateShortcut;
class frmAbout;
class frmHelpStart;
class frmHelpEdit;
class frmHelpDelete;
class frmConfig;
class frmEditProfile;
class frmCloseConfig;
class frmWarnNewConnection;

// The platform behind the program. Any seam left empty gets a quiet stand-in that does nothing.
struct Seams {
    std::unique_ptr<MessageBoxes> boxes;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RasControl> ras;
    std::unique_ptr<Tray> tray;
    std::unique_ptr<Sound> sound;
    std::unique_ptr<Browser> browser;
    std::unique_ptr<IcmpEcho> icmp;
    std::unique_ptr<SysInfo> sysInfo;
    std::unique_ptr<Shortcuts> shortcuts;
};

// Each window is one program-wide instance created on first use. FORM(T) declares T() (creates it
// when needed), T_loaded() and T_unload() (destroys it; the next T() makes a fresh one).
#define MT_FORM(T)                                                                                           \
public:                                                                                                      \
    ::T& T();                                                                                                \
    bool T##_loaded() const {                                                                                \
        return m_##T != nullptr;                                                                             \
    }                                                                                                        \
    void T##_unload();                                                                                       \
                                                                                                             \
private:                                                                                                     \
    std::unique_ptr<::T> m_##T;

// The one program object: it owns every setting, all dial and session state, the platform seams and
// every window. Nothing of the program lives outside it, so tests build a fresh one per test.
class Program {
public:
    // dataDir anchors the bare-name files ("cc.txt", "cc1.txt", the month files).
    Program(Seams seams, const QString& dataDir);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Settings settings;
    DialState dial;
    SessionState session;
    ProgramFlags flags;

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

    // Loads the main console, which runs the whole start-up sequence.
    void startUp();
    // Closes every window of the program (the last step of Exit).
    void closeAllWindows();
    // True once Exit has closed everything; the application then quits.
    bool finished() const { return m_finished; }
    // Called once when Exit has closed everything (main() quits the application there).
    void setOnFinished(std::function<void()> f) { m_onFinished = std::move(f); }

    MT_FORM(formRAS)
    MT_FORM(frmStart)
    MT_FORM(frmDeleteProfile)
    MT_FORM(frmPassword)
    MT_FORM(frmConnectNoDefault)
    MT_FORM(frmDialSelected)
    MT_FORM(frmWarn)
    MT_FORM(frmReminder)
    MT_FORM(frmTimerConsole)
    MT_FORM(frmCost)
    MT_FORM(frmSound)
    MT_FORM(frmCreateShortcut)
    MT_FORM(frmAbout)
    MT_FORM(frmHelpStart)
    MT_FORM(frmHelpEdit)
    MT_FORM(frmHelpDelete)
    MT_FORM(frmConfig)
    MT_FORM(frmEditProfile)
    MT_FORM(frmCloseConfig)
    MT_FORM(frmWarnNewConnection)

private:
    Seams m_seams;
    QString m_dataDir;
    bool m_finished = false;
    std::function<void()> m_onFinished;
};

#undef MT_FORM
