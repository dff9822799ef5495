#pragma once

#include <QObject>

#include <QWidget>

#include <memory>

class Program;
class frmStart;
class frmDeleteProfile;
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
class frmPlan;
class frmPlanWarn;

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

// The program's windows. They are made when first needed and watch the model; this object shows the
// windows the model asks for and connects each window's requests to the windows that answer them.
class Windows : public QObject {
    Q_OBJECT
public:
    explicit Windows(Program& program);
    ~Windows() override;
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Program& program() { return m_program; }

    // Start-up as the user sees it: the main console is loaded, the model's start-up runs, and the
    // console appears unless the first run shows only the configuration console.
    void startUp();

    // The History window: made when first wanted, from the module that brings Qt Charts (a box says
    // why when the module cannot be loaded), then shown in front.
    void showHistory();
    QWidget* historyWindow() const { return m_history.get(); }

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
    MT_FORM(frmPlan)
    MT_FORM(frmPlanWarn)

private:
    // Connects a window's requests when it is made.
    void wire(::frmStart& w);
    void wire(::frmConfig& w);
    void wire(::frmCloseConfig& w);
    void wire(::frmDeleteProfile& w);
    void wire(::frmEditProfile& w);
    void wire(::frmConnectNoDefault& w);
    void wire(::frmDialSelected& w);
    template <typename T> void wire(T& w);
    // Closes every window (Exit), the main console last.
    void closeAll();

    Program& m_program;
    std::unique_ptr<QWidget> m_history;
};

#undef MT_FORM
