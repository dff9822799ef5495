#pragma once

class Program;

enum class HangupEntry { Button, TrayMenu, Reminder };

namespace HangUp {
// The hang-up sequence with the differences of its three entry points.
void hangUp(Program& program, HangupEntry entry);
// Exit (the main console's and the tray menu's): may ask, may hang up, then closes every window.
void exitProgram(Program& program);
} // namespace HangUp
