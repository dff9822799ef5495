#pragma once

#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageBoxes.h"
#include "platform/Notifier.h"
#include "platform/RasControl.h"
#include "platform/Shortcuts.h"
#include "platform/Sound.h"
#include "platform/SysInfo.h"
#include "platform/Tray.h"

#include <memory>

// The platform behind the program. Any seam left empty gets a quiet stand-in that does nothing
// (fillMissingSeams in platform/NullSeams).
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
    std::unique_ptr<Notifier> notifier;
};
