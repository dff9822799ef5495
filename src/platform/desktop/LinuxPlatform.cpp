#include "platform/desktop/LinuxPlatform.h"

#include "platform/CanberraSound.h"
#include "platform/Clock.h"
#include "platform/DBusNotifier.h"
#include "platform/LinuxSysInfo.h"
#include "platform/PingEcho.h"
#include "platform/Seams.h"
#include "platform/XdgBrowser.h"
#include "platform/XdgShortcuts.h"
#include "platform/desktop/QtMessageBoxes.h"
#include "platform/desktop/QtTray.h"

void fillLinuxSeams(Seams& seams) {
    seams.boxes = std::make_unique<QtMessageBoxes>();
    seams.clock = std::make_unique<SystemClock>();
    seams.tray = std::make_unique<QtTray>();
    seams.sound = std::make_unique<CanberraSound>();
    seams.browser = std::make_unique<XdgBrowser>();
    seams.icmp = std::make_unique<PingEcho>();
    seams.sysInfo = std::make_unique<LinuxSysInfo>();
    seams.shortcuts = std::make_unique<XdgShortcuts>();
    seams.notifier = std::make_unique<DBusNotifier>();
}
