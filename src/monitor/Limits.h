#pragma once

#include "core/Money.h"

#include <QString>

class Program;

// Limit warnings, the reminder and the cost window.
namespace Limits {
void CheckLimits(Program& program);
void CheckReminder(Program& program);
void ShowWarning(Program& program, const QString& message);
void ShowConnectionCost(Program& program, Money amount, const QString& note = {});
// The timer console: shown on connection when gDisplayTimer is "true"; each tick writes the clock.
void ShowTimerConsole(Program& program);
void UpdateTimerConsole(Program& program, const QString& elapsedText);
} // namespace Limits
