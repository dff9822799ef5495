#include "dialing/DialFlows.h"

#include "core/Program.h"

namespace DialFlows {
void connectButton(Program&) {}
void autoDial(Program&) {}
void startDial(Program&, DialCaller, const QString&, const QString&, const QString&, const QString&) {}
} // namespace DialFlows
