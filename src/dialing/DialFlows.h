#pragma once

#include <QString>

class Program;

// The ways a dial starts and the start-dial sequence they all end in.
enum class DialCaller { ConnectButton, PasswordPrompt, DialDialog, Redial, AutoDial };

namespace DialFlows {
// The main console's Connect button.
void connectButton(Program& program);
// Step 10 of start-up: the automatic dial when so configured.
void autoDial(Program& program);
// The start-dial sequence, with the per-caller differences.
void startDial(Program& program, DialCaller caller, const QString& profile, const QString& user,
               const QString& password, const QString& domain);
} // namespace DialFlows
