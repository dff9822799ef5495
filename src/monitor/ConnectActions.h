#pragma once

class Program;

// What marks a connection: the sound, the browser, the keep-alive burst, the timer console.
namespace ConnectActions {
void PlayConnectSound(Program& program);
void LaunchBrowser(Program& program);
// One keep-alive burst (never a second one inside the first).
void KeepAliveBurst(Program& program);
} // namespace ConnectActions
