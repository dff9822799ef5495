#pragma once

#include "platform/Tray.h"

#include <QString>

class Program;

// The tray icon and the main console's hide, minimize and restore behaviour.
//
// The console is only ever hidden when something can bring it back: the icon must be in a tray the
// desktop offers. Otherwise every "hide" (the tray button, the tray-on-connect action, minimizing)
// leaves it minimized on the taskbar.
namespace TrayBehaviour {
// Fills the icon's data at start-up (the tip "ModemTally"), hands the tray its popup menu and listens
// to its clicks; the icon is not shown yet.
void prepare(Program& program);
// Command1: add the icon, then hide the console (minimize instead where there is no tray).
void putInTray(Program& program);
// Sets the tip (at most 63 characters) and sends the modify request.
void setTip(Program& program, const QString& tip);
// A click on the icon (ignored while exiting).
void clicked(Program& program, Tray::Click click);
void restore(Program& program);     // mPopRestore
void hideConsole(Program& program); // mMin
// The console was minimized by the user: hide it (only where a tray can bring it back).
void minimized(Program& program);
// "Connected": to the tray when gTrayOnConnect is "true", else minimized when gMinimizeOnConnect is.
void connected(Program& program);
// The main console unloads: delete the icon.
void unload(Program& program);
// True while the icon has been added (and not deleted) in a tray the desktop offers: the console can
// then be hidden and brought back through it.
bool iconShown(Program& program);
} // namespace TrayBehaviour
