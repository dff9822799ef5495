#pragma once

#include "platform/Tray.h"

#include <QString>

class Program;
class frmStart;

// The tray icon and the main console's hide, minimize and restore behaviour.
//
// The console is only ever hidden when something can bring it back: the icon must be in a tray the
// desktop offers. Otherwise every "hide" (the tray button, the tray-on-connect action, minimizing)
// leaves it minimized on the taskbar.
namespace TrayBehaviour {
// Command1: add the icon, then hide the console (minimize instead where there is no tray).
void putInTray(Program& program, frmStart& start);
// Sends the modify request with the model's tip.
void tipChanged(Program& program);
// A click on the icon (ignored while exiting).
void clicked(Program& program, frmStart& start, Tray::Click click);
void restore(frmStart& start);                       // mPopRestore
void hideConsole(Program& program, frmStart& start); // mMin
// The console was minimized by the user: hide it (only where a tray can bring it back).
void minimized(Program& program, frmStart& start);
// "Connected": to the tray when gTrayOnConnect is "true", else minimized when gMinimizeOnConnect is.
void connected(Program& program, frmStart& start);
// The main console unloads: delete the icon.
void unload(Program& program);
// True while the icon has been added (and not deleted) in a tray the desktop offers: the console can
// then be hidden and brought back through it.
bool iconShown(Program& program);
} // namespace TrayBehaviour
