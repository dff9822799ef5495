#include "console/TrayBehaviour.h"

#include "core/Program.h"

namespace TrayBehaviour {
void prepare(Program&) {}
void putInTray(Program&) {}
void setTip(Program& program, const QString& tip) {
    program.flags.gTrayTip = tip;
}
void clicked(Program&, Tray::Click) {}
void restore(Program&) {}
void hideConsole(Program&) {}
void minimized(Program&) {}
void connected(Program&) {}
void unload(Program&) {}
} // namespace TrayBehaviour
