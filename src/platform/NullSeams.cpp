#include "platform/NullSeams.h"

#include "core/Program.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

void fillMissingSeams(Seams& s) {
    if (!s.boxes)
        s.boxes = std::make_unique<QtMessageBoxes>();
    if (!s.clock)
        s.clock = std::make_unique<SystemClock>();
    if (!s.ras)
        s.ras = std::make_unique<NullRasControl>();
    if (!s.tray)
        s.tray = std::make_unique<NullTray>();
    if (!s.sound)
        s.sound = std::make_unique<NullSound>();
    if (!s.browser)
        s.browser = std::make_unique<NullBrowser>();
    if (!s.icmp)
        s.icmp = std::make_unique<NullIcmpEcho>();
    if (!s.sysInfo)
        s.sysInfo = std::make_unique<NullSysInfo>();
    if (!s.shortcuts)
        s.shortcuts = std::make_unique<NullShortcuts>();
}
