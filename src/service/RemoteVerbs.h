#pragma once

#include <QString>

// The command line's verbs (--connect [NAME], --hang-up, --status [--json], --quit): each talks to
// the instance that runs for the data folder, over the session bus, and needs no display.
namespace RemoteVerbs {

// Exit statuses (2 is a wrong command line).
enum Status {
    Done = 0,
    Refused = 1,    // the instance could not do it now (nothing to hang up, a dial in progress...)
    NotRunning = 3, // no instance runs for the data folder, or there is no session bus
};

// Runs `verb` ("connect", "hang-up", "status" or "quit") against the instance of the data folder
// named by --data-dir (`chosenDataDir`, empty for the usual one), printing what it says; returns the
// exit status. `argument` is the profile of --connect; `json` asks --status for JSON.
int run(const QString& verb, const QString& argument, bool json, const QString& chosenDataDir);

} // namespace RemoteVerbs
