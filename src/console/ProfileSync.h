#pragma once

class Program;

// Brings the program's profiles in step with the phone book once per start-up.
//
// With fewer phone-book entries (the items of the configuration console's listProfiles) than
// profiles read from the file, the user is told and the dialog frmDeleteProfile is shown modally.
// With more entries than profiles, the user is told and every listed entry without a profile gets
// one with empty credentials. Equal counts change nothing.
void reconcileProfiles(Program& program, int fileProfileCount);
