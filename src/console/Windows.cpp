#include "console/Windows.h"

#include "config/frmCloseConfig.h"
#include "config/frmConfig.h"
#include "config/frmEditProfile.h"
#include "config/frmPlan.h"
#include "config/frmWarnNewConnection.h"
#include "console/TrayBehaviour.h"
#include "console/frmDeleteProfile.h"
#include "console/frmStart.h"
#include "core/Program.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "dialing/frmPassword.h"
#include "history/JournalSource.h"
#include "historyui/HistoryWindowLoader.h"
#include "monitor/frmAbout.h"
#include "monitor/frmCost.h"
#include "monitor/frmCreateShortcut.h"
#include "monitor/frmHelpDelete.h"
#include "monitor/frmHelpEdit.h"
#include "monitor/frmHelpStart.h"
#include "monitor/frmPlanWarn.h"
#include "monitor/frmReminder.h"
#include "monitor/frmSound.h"
#include "monitor/frmTimerConsole.h"
#include "monitor/frmWarn.h"
#include "platform/MessageBoxes.h"

#include <QWidget>

namespace {
void hideAndDelete(QObject* form) {
    if (auto* w = qobject_cast<QWidget*>(form))
        w->hide();
    form->deleteLater(); // the form may be running one of its own handlers right now
}

// A window that is done with itself says so (dismissed); the host then unloads it.
template <typename T, typename Unload> void connectDismissal(QObject* host, T* window, Unload unload) {
    if constexpr (requires { &T::dismissed; })
        QObject::connect(window, &T::dismissed, host, unload);
}

void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

Windows::Windows(Program& program) : m_program(program) {
    Program& p = m_program;
    connect(&p, &Program::settingsRead, this, [this] {
        if (frmConfig_loaded())
            frmConfig().showSettings();
        if (frmSound_loaded())
            frmSound().showSettings();
    });
    connect(&p, &Program::firstRun, this, [this] {
        ::frmConfig& config = frmConfig();
        config.hideConnectDefaultGroup();
        config.setCloseEnabled(false);
        config.show();
    });
    connect(&p, &Program::profilesToDelete, this, [this] { frmDeleteProfile().exec(); });
    connect(&p, &Program::promptWanted, this, [this](Prompt prompt, PromptFrom from) {
        QWidget& window = prompt == Prompt::Password ? static_cast<QWidget&>(frmPassword())
                                                     : static_cast<QWidget&>(frmConnectNoDefault());
        switch (from) {
        case PromptFrom::AutoDial:
            window.show();
            break;
        case PromptFrom::ConnectButton:
            window.show();
            window.raise();
            break;
        case PromptFrom::Redial:
            // The redial's picker or prompt may still be open from the first dial, behind the console:
            // bring it to the front, since the series waits on the user's answer.
            showInFront(window);
            break;
        }
    });
    connect(&p, &Program::lineUpByDial, this, [this] { TrayBehaviour::connected(m_program, frmStart()); });
    connect(&p, &Program::trayTipChanged, this, [this] { TrayBehaviour::tipChanged(m_program); });
    connect(&p.tray(), &Tray::clicked, this,
            [this](Tray::Click c) { TrayBehaviour::clicked(m_program, frmStart(), c); });
    connect(&p.session, &SessionState::warningDue, this,
            [this](const QString& message) { frmWarn().showWarning(message); });
    connect(&p.plans, &PlanBook::planWarningDue, this,
            [this](const PlanWarning& w) { frmPlanWarn().showWarning(w.message); });
    connect(&p.session, &SessionState::reminderDue, this,
            [this](const QString& elapsed) { frmReminder().showReminder(elapsed); });
    connect(&p.session, &SessionState::timerConsoleWanted, this, [this] {
        frmTimerConsole().show();
        frmTimerConsole().raise();
    });
    connect(&p.session, &SessionState::secondCounted, this,
            [this](const QString& elapsed) { frmTimerConsole().showClock(elapsed); });
    connect(&p.session, &SessionState::connectionCostDue, this,
            [this](const QString& amount, const QString& note) { frmCost().showCost(amount, note); });
    connect(&p, &Program::closing, this, &Windows::closeAll);
}

Windows::~Windows() {
    // The main console last: the other windows may refer to what it shows.
    m_history.reset();
    m_frmWarn.reset();
    m_frmCost.reset();
    m_frmReminder.reset();
    m_frmTimerConsole.reset();
    m_frmSound.reset();
    m_frmCreateShortcut.reset();
    m_frmAbout.reset();
    m_frmHelpStart.reset();
    m_frmHelpEdit.reset();
    m_frmHelpDelete.reset();
    m_frmPassword.reset();
    m_frmConnectNoDefault.reset();
    m_frmDialSelected.reset();
    m_frmEditProfile.reset();
    m_frmCloseConfig.reset();
    m_frmWarnNewConnection.reset();
    m_frmPlan.reset();
    m_frmPlanWarn.reset();
    m_frmDeleteProfile.reset();
    m_frmConfig.reset();
    m_frmStart.reset();
}

void Windows::startUp() {
    ::frmStart& start = frmStart();
    // The shortcut dialog is made, and prepares its fields, when it is first opened, as every window
    // is: nobody sees it before, and most runs never open it.
    m_program.startUp();
    if (!m_program.firstRunHidden() && !m_program.finished()) {
        start.show();
        // The automatic dial may have opened the profile picker or the password prompt before the
        // console appeared: keep it in front, where the user expects to answer it.
        for (QWidget* w : {static_cast<QWidget*>(m_frmConnectNoDefault.get()),
                           static_cast<QWidget*>(m_frmPassword.get())}) {
            if (w && w->isVisible()) {
                w->raise();
                w->activateWindow();
            }
        }
    }
}

void Windows::showHistory() {
    if (!m_history) {
        Program& p = m_program;
        auto source = std::make_unique<JournalSource>(p.dataDir(), [&p] { return p.clock().now().date(); });
        source->setPlans(&p.plans, [&p] { return p.clock().now(); });
        QString error;
        m_history.reset(HistoryWindowLoader::create(std::move(source), &error));
        if (!m_history) {
            p.boxes().msgBox(tr("The History window cannot be opened: %1.").arg(error), BoxButtons::Ok,
                             BoxIcon::Exclamation, tr("Usage History"));
            return;
        }
    } else if (!m_history->isVisible()) {
        // Opened again: what happened since it was last shown.
        QMetaObject::invokeMethod(m_history.get(), "refresh");
    }
    showInFront(*m_history);
}

void Windows::closeAll() {
    if (m_history)
        m_history->close();
    for (QWidget* w : {static_cast<QWidget*>(m_frmWarn.get()),
                       static_cast<QWidget*>(m_frmCost.get()),
                       static_cast<QWidget*>(m_frmReminder.get()),
                       static_cast<QWidget*>(m_frmTimerConsole.get()),
                       static_cast<QWidget*>(m_frmSound.get()),
                       static_cast<QWidget*>(m_frmCreateShortcut.get()),
                       static_cast<QWidget*>(m_frmAbout.get()),
                       static_cast<QWidget*>(m_frmHelpStart.get()),
                       static_cast<QWidget*>(m_frmHelpEdit.get()),
                       static_cast<QWidget*>(m_frmHelpDelete.get()),
                       static_cast<QWidget*>(m_frmPassword.get()),
                       static_cast<QWidget*>(m_frmConnectNoDefault.get()),
                       static_cast<QWidget*>(m_frmDialSelected.get()),
                       static_cast<QWidget*>(m_frmEditProfile.get()),
                       static_cast<QWidget*>(m_frmCloseConfig.get()),
                       static_cast<QWidget*>(m_frmWarnNewConnection.get()),
                       static_cast<QWidget*>(m_frmPlan.get()),
                       static_cast<QWidget*>(m_frmPlanWarn.get()),
                       static_cast<QWidget*>(m_frmDeleteProfile.get()),
                       static_cast<QWidget*>(m_frmConfig.get()),
                       static_cast<QWidget*>(m_frmStart.get())}) {
        if (w)
            w->close();
    }
}

// The windows with nothing to connect beyond their dismissal.
template <typename T> void Windows::wire(T&) {}

void Windows::wire(::frmStart& w) {
    m_program.tray().setMenu(w.trayMenu());
    connect(&w, &frmStart::configurationRequested, this, [this] { frmConfig().show(); });
    connect(&w, &frmStart::helpRequested, this, [this] { frmHelpStart().show(); });
    connect(&w, &frmStart::aboutRequested, this, [this] { frmAbout().show(); });
    connect(&w, &frmStart::historyRequested, this, &Windows::showHistory);
}

void Windows::wire(::frmConfig& w) {
    connect(&w, &frmConfig::dialRequested, this,
            [this](const QString& name) { frmDialSelected().open(name); });
    connect(&w, &frmConfig::editProfileRequested, this,
            [this](const QString& name) { frmEditProfile().open(name); });
    connect(&w, &frmConfig::newConnectionRequested, this, [this] { frmWarnNewConnection().show(); });
    connect(&w, &frmConfig::planRequested, this, [this](const QString& name) { frmPlan().open(name); });
    connect(&w, &frmConfig::soundChooserRequested, this, [this] { frmSound().show(); });
    connect(&w, &frmConfig::shortcutRequested, this, [this] { frmCreateShortcut().show(); });
    connect(&w, &frmConfig::closeConfirmationRequested, this, [this] {
        frmCloseConfig().show();
        frmCloseConfig().raise();
    });
}

void Windows::wire(::frmCloseConfig& w) {
    connect(&w, &frmCloseConfig::closeConfirmed, this, [this] {
        frmConfig().hide();
        frmStart().show();
    });
}

void Windows::wire(::frmDeleteProfile& w) {
    connect(&w, &frmDeleteProfile::helpRequested, this, [this] { frmHelpDelete().exec(); });
    connect(&w, &frmDeleteProfile::profilesDeleted, this, [this] { frmStart().show(); });
}

void Windows::wire(::frmEditProfile& w) {
    connect(&w, &frmEditProfile::helpRequested, this, [this] { frmHelpEdit().exec(); });
}

void Windows::wire(::frmConnectNoDefault& w) {
    connect(&w, &frmConnectNoDefault::dialRequested, this,
            [this](const QString& name) { frmDialSelected().open(name); });
}

void Windows::wire(::frmDialSelected& w) {
    connect(&w, &frmDialSelected::dialStarted, this, [this] { frmStart().show(); });
}

// A window that is done with itself (closed, cancelled) says so and is unloaded; the next use makes
// a fresh one.
#define MT_FORM_IMPL(T)                                                                                      \
    ::T& Windows::T() {                                                                                      \
        if (!m_##T) {                                                                                        \
            m_##T = std::make_unique<::T>(m_program);                                                        \
            connectDismissal(this, m_##T.get(), [this] { T##_unload(); });                                   \
            wire(*m_##T);                                                                                    \
        }                                                                                                    \
        return *m_##T;                                                                                       \
    }                                                                                                        \
    void Windows::T##_unload() {                                                                             \
        if (m_##T)                                                                                           \
            hideAndDelete(m_##T.release());                                                                  \
    }

MT_FORM_IMPL(frmStart)
MT_FORM_IMPL(frmDeleteProfile)
MT_FORM_IMPL(frmPassword)
MT_FORM_IMPL(frmConnectNoDefault)
MT_FORM_IMPL(frmDialSelected)
MT_FORM_IMPL(frmWarn)
MT_FORM_IMPL(frmReminder)
MT_FORM_IMPL(frmTimerConsole)
MT_FORM_IMPL(frmCost)
MT_FORM_IMPL(frmSound)
MT_FORM_IMPL(frmCreateShortcut)
MT_FORM_IMPL(frmAbout)
MT_FORM_IMPL(frmHelpStart)
MT_FORM_IMPL(frmHelpEdit)
MT_FORM_IMPL(frmHelpDelete)
MT_FORM_IMPL(frmConfig)
MT_FORM_IMPL(frmEditProfile)
MT_FORM_IMPL(frmCloseConfig)
MT_FORM_IMPL(frmWarnNewConnection)
MT_FORM_IMPL(frmPlan)
MT_FORM_IMPL(frmPlanWarn)
