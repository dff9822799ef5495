#pragma once

#include <QString>

class Program;

// What marks a connection: the sound, the browser, the keep-alive burst, the timer console.
namespace ConnectActions {
// The connection sound when gPlaySound is "true": the standard sound or the user's file. Never waits
// for the sound to finish.
void PlayConnectSound(Program& program);
// Starts the program that opens web documents on gStartURL, or tells the user why it could not.
void LaunchBrowser(Program& program);
// One keep-alive burst (never a second one inside the first).
void KeepAliveBurst(Program& program);
// The public web server the keep-alive echoes go to.
QString keepAliveHost();
} // namespace ConnectActions
