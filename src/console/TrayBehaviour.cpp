#include "console/TrayBehaviour.h"

#include "console/frmStart.h"
#include "core/Program.h"
#include "core/YesNo.h"

#include <QCursor>
#include <QMenu>

namespace TrayBehaviour {
namespace {

// Whether the icon is present is kept on the tray object itself: it is the one place every request
// goes through, and it lives exactly as long as the icon does.
constexpr const char* kIconShown = "modemTallyIconShown";

// The tip field holds 63 characters and a terminator.
constexpr int kTipLength = 63;

void send(Program& program, Tray::Message message) {
    Tray& tray = program.tray();
    tray.send(message, program.flags.gTrayTip.left(kTipLength));
    if (message == Tray::Message::Add)
        tray.setProperty(kIconShown, true);
    else if (message == Tray::Message::Delete)
        tray.setProperty(kIconShown, false);
}

// Hides the console when the icon can bring it back, else leaves it minimized on the taskbar.
void hideOrMinimize(Program& program) {
    frmStart& start = program.frmStart();
    if (iconShown(program))
        start.hide();
    else if (!start.isMinimized())
        start.showMinimized();
}

} // namespace

bool iconShown(Program& program) {
    Tray& tray = program.tray();
    return tray.isAvailable() && tray.property(kIconShown).toBool();
}

void prepare(Program& program) {
    program.flags.gTrayTip = QStringLiteral("ModemTally");
    frmStart& start = program.frmStart();
    Tray& tray = program.tray();
    tray.setMenu(start.mPopupSys);
    // Start-up may run again on the same tray: listen once.
    tray.disconnect(&start);
    QObject::connect(&tray, &Tray::clicked, &start, [&program](Tray::Click c) { clicked(program, c); });
}

void putInTray(Program& program) {
    send(program, Tray::Message::Add);
    hideOrMinimize(program);
}

void setTip(Program& program, const QString& tip) {
    program.flags.gTrayTip = tip.left(kTipLength);
    send(program, Tray::Message::Modify);
}

void clicked(Program& program, Tray::Click click) {
    if (!isFalse(program.flags.gExiting))
        return;
    switch (click) {
    case Tray::Click::Left:
    case Tray::Click::Double:
        restore(program);
        break;
    case Tray::Click::Right: {
        frmStart& start = program.frmStart();
        if (start.isVisible()) {
            start.raise();
            start.activateWindow();
        }
        // Some trays open the menu handed to them by themselves before reporting the click.
        if (!start.mPopupSys->isVisible())
            start.mPopupSys->popup(QCursor::pos());
        break;
    }
    }
}

void restore(Program& program) {
    frmStart& start = program.frmStart();
    start.setWindowState(Qt::WindowNoState);
    start.show();
    start.raise();
    start.activateWindow();
}

void hideConsole(Program& program) {
    hideOrMinimize(program);
}

void minimized(Program& program) {
    // A minimized console leaves the taskbar only when the icon can bring it back. The hide waits for
    // the event loop: showMinimized() makes the window visible again right after this notice.
    frmStart& start = program.frmStart();
    QMetaObject::invokeMethod(
        &start,
        [&program, &start] {
            if (start.isMinimized() && iconShown(program))
                start.hide();
        },
        Qt::QueuedConnection);
}

void connected(Program& program) {
    const Settings& s = program.settings;
    if (isTrue(s.gTrayOnConnect)) {
        send(program, Tray::Message::Add);
        hideOrMinimize(program);
    } else if (isTrue(s.gMinimizeOnConnect)) {
        frmStart& start = program.frmStart();
        start.setWindowState(start.windowState() | Qt::WindowMinimized);
    }
}

void unload(Program& program) {
    send(program, Tray::Message::Delete);
}

} // namespace TrayBehaviour
