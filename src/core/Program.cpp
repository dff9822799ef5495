#include "core/Program.h"

#include "config/frmCloseConfig.h"
#include "config/frmConfig.h"
#include "config/frmEditProfile.h"
#include "config/frmWarnNewConnection.h"
#include "console/frmDeleteProfile.h"
#include "console/frmStart.h"
#include "dialing/formRAS.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "dialing/frmPassword.h"
#include "monitor/frmAbout.h"
#include "monitor/frmCost.h"
#include "monitor/frmCreateShortcut.h"
#include "monitor/frmHelpDelete.h"
#include "monitor/frmHelpEdit.h"
#include "monitor/frmHelpStart.h"
#include "monitor/frmReminder.h"
#include "monitor/frmSound.h"
#include "monitor/frmTimerConsole.h"
#include "monitor/frmWarn.h"
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageBoxes.h"
#include "platform/NullSeams.h"
#include "platform/RasControl.h"
#include "platform/Shortcuts.h"
#include "platform/Sound.h"
#include "platform/SysInfo.h"
#include "platform/Tray.h"

#include <QDir>
#include <QWidget>

Program::Program(Seams seams, const QString& dataDir)
    : m_seams(std::move(seams)),
      m_dataDir(QDir(dataDir.isEmpty() ? QDir::currentPath() : dataDir).absolutePath()) {
    fillMissingSeams(m_seams);
}

Program::~Program() {
    // Windows first (they refer to the seams), the main console last, the hidden form after it.
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
    m_frmDeleteProfile.reset();
    m_frmConfig.reset();
    m_frmStart.reset();
    m_formRAS.reset();
}

namespace {
void hideAndDelete(QObject* form) {
    if (auto* w = qobject_cast<QWidget*>(form))
        w->hide();
    form->deleteLater(); // the form may be running one of its own handlers right now
}
} // namespace

QString Program::dataPath(const QString& bareName) const {
    return QDir(m_dataDir).filePath(bareName);
}

void Program::startUp() {
    ::frmStart& start = frmStart();
    start.Form_Load();
    if (!start.hiddenByStartUp() && !m_finished) {
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

void Program::closeAllWindows() {
    for (QWidget* w :
         {static_cast<QWidget*>(m_frmWarn.get()), static_cast<QWidget*>(m_frmCost.get()),
          static_cast<QWidget*>(m_frmReminder.get()), static_cast<QWidget*>(m_frmTimerConsole.get()),
          static_cast<QWidget*>(m_frmSound.get()), static_cast<QWidget*>(m_frmCreateShortcut.get()),
          static_cast<QWidget*>(m_frmAbout.get()), static_cast<QWidget*>(m_frmHelpStart.get()),
          static_cast<QWidget*>(m_frmHelpEdit.get()), static_cast<QWidget*>(m_frmHelpDelete.get()),
          static_cast<QWidget*>(m_frmPassword.get()), static_cast<QWidget*>(m_frmConnectNoDefault.get()),
          static_cast<QWidget*>(m_frmDialSelected.get()), static_cast<QWidget*>(m_frmEditProfile.get()),
          static_cast<QWidget*>(m_frmCloseConfig.get()), static_cast<QWidget*>(m_frmWarnNewConnection.get()),
          static_cast<QWidget*>(m_frmDeleteProfile.get()), static_cast<QWidget*>(m_frmConfig.get()),
          static_cast<QWidget*>(m_frmStart.get())}) {
        if (w)
            w->close();
    }
    if (!m_finished) {
        m_finished = true;
        if (m_onFinished)
            m_onFinished();
    }
}

#define MT_FORM_IMPL(T)                                                                                      \
    ::T& Program::T() {                                                                                      \
        if (!m_##T)                                                                                          \
            m_##T = std::make_unique<::T>(*this);                                                            \
        return *m_##T;                                                                                       \
    }                                                                                                        \
    void Program::T##_unload() {                                                                             \
        if (m_##T)                                                                                           \
            hideAndDelete(m_##T.release());                                                                  \
    }

MT_FORM_IMPL(formRAS)
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
