#include "monitor/Limits.h"

#include "core/Program.h"

namespace Limits {
void CheckLimits(Program&) {}
void CheckReminder(Program&) {}
void ShowWarning(Program&, const QString&) {}
void ShowConnectionCost(Program&, Money, const QString&) {}
void ShowTimerConsole(Program&) {}
void UpdateTimerConsole(Program&, const QString&) {}
} // namespace Limits
