#pragma once

class Program;

// Brings the program's profiles in step with the phone book once per start-up.
//
// With fewer phone-book entries (as listed by the enumeration) than profiles read from the file, the
// user is told and asked which profiles to delete (Program::profilesToDelete, a modal dialog).
// With more entries than profiles, the user is told and every listed entry without a profile gets
// one with empty credentials. Equal counts change nothing.
void reconcileProfiles(Program& program, int fileProfileCount);
