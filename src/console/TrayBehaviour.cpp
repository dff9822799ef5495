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

void send(Program& program, Tray::Message message) {
    Tray& tray = program.tray();
    tray.send(message, program.flags.gTrayTip);
    if (message == Tray::Message::Add)
        tray.setProperty(kIconShown, true);
    else if (message == Tray::Message::Delete)
        tray.setProperty(kIconShown, false);
}

// Hides the console when the icon can bring it back, else leaves it minimized on the taskbar.
void hideOrMinimize(Program& program, frmStart& start) {
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

void putInTray(Program& program, frmStart& start) {
    send(program, Tray::Message::Add);
    hideOrMinimize(program, start);
}

void tipChanged(Program& program) {
    send(program, Tray::Message::Modify);
}

void clicked(Program& program, frmStart& start, Tray::Click click) {
    if (program.flags.gExiting)
        return;
    switch (click) {
    case Tray::Click::Left:
    case Tray::Click::Double:
        restore(start);
        break;
    case Tray::Click::Right: {
        if (start.isVisible()) {
            start.raise();
            start.activateWindow();
        }
        // Some trays open the menu handed to them by themselves before reporting the click.
        QMenu* menu = start.trayMenu();
        if (!menu->isVisible())
            menu->popup(QCursor::pos());
        break;
    }
    }
}

void restore(frmStart& start) {
    start.setWindowState(Qt::WindowNoState);
    start.show();
    start.raise();
    start.activateWindow();
}

void hideConsole(Program& program, frmStart& start) {
    hideOrMinimize(program, start);
}

void minimized(Program& program, frmStart& start) {
    // A minimized console leaves the taskbar only when the icon can bring it back. The hide waits for
    // the event loop: showMinimized() makes the window visible again right after this notice.
    QMetaObject::invokeMethod(
        &start,
        [&program, &start] {
            if (start.isMinimized() && iconShown(program))
                start.hide();
        },
        Qt::QueuedConnection);
}

void connected(Program& program, frmStart& start) {
    const Settings& s = program.settings;
    if (isTrue(s.gTrayOnConnect)) {
        send(program, Tray::Message::Add);
        hideOrMinimize(program, start);
    } else if (isTrue(s.gMinimizeOnConnect)) {
        start.setWindowState(start.windowState() | Qt::WindowMinimized);
    }
}

void unload(Program& program) {
    send(program, Tray::Message::Delete);
}

} // namespace TrayBehaviour
