#include "platform/LinuxPlatform.h"

#include "core/Program.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

void fillLinuxSeams(Seams& seams) {
    seams.boxes = std::make_unique<QtMessageBoxes>();
    seams.clock = std::make_unique<SystemClock>();
}
