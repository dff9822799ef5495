#include "platform/NullSeams.h"

#include "platform/Clock.h"

#include <QtDebug>

BoxAnswer NullMessageBoxes::ask(const Box& box) {
    qWarning().noquote() << box.title << ":" << box.text;
    switch (box.buttons) {
    case BoxButtons::Ok:
        return BoxAnswer::Ok;
    case BoxButtons::OkCancel:
    case BoxButtons::YesNoCancel:
        return BoxAnswer::Cancel;
    case BoxButtons::YesNo:
        return BoxAnswer::No;
    }
    return BoxAnswer::Ok;
}

void fillMissingSeams(Seams& s) {
    if (!s.boxes)
        s.boxes = std::make_unique<NullMessageBoxes>();
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
    if (!s.notifier)
        s.notifier = std::make_unique<NullNotifier>();
}
