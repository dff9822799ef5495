#pragma once

class Program;

// Brings the program's profiles in step with the phone book once per start-up.
void reconcileProfiles(Program& program, int fileProfileCount);
