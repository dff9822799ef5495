#pragma once

#include <QString>

class Program;

// The ways a dial starts and the start-dial sequence they all end in.
enum class DialCaller { ConnectButton, PasswordPrompt, DialDialog, Redial, AutoDial };

namespace DialFlows {
// The main console's Connect button: the default profile directly, or after the password prompt,
// or the profile picker when no profile is dialed by default.
void connectButton(Program& program);
// Step 10 of start-up: the automatic dial when so configured.
void autoDial(Program& program);
// OK of the password prompt: dials the default profile when the password typed is its password and
// returns true; otherwise tells the user and returns false.
bool dialWithPassword(Program& program, const QString& typed);
// Dial of the dial dialog, with the credentials typed there (used for this dial only). An empty user
// name, password and domain is refused with a box: false.
bool dialSelected(Program& program, const QString& profile, const QString& user, const QString& password,
                  const QString& domain);
// The start-dial sequence, with the per-caller differences.
void startDial(Program& program, DialCaller caller, const QString& profile, const QString& user,
               const QString& password, const QString& domain);
} // namespace DialFlows
