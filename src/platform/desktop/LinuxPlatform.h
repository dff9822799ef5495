#pragma once

struct Seams;

// Fills the desktop seams (message boxes, clock, tray, sound, browser, keep-alive echo, system
// information, desktop folder) with their Linux implementations. The remote-access control is chosen
// separately.
void fillLinuxSeams(Seams& seams);
