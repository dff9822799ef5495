#pragma once

#include "core/Money.h"

#include <QString>

class Program;

// The limit warnings and the reminder: when each is due. The windows show them (SessionState's
// warningDue and reminderDue).
namespace Limits {
// The five limit checks of one tick, in order: time per connection, time per month, cost per
// connection, cost per month, free time. The cost checks use SessionTimer::RatePerSecond.
void CheckLimits(Program& program);
// The same checks with the per-second rate given (the tick's rate, evaluated once).
void CheckLimits(Program& program, Money ratePerSecond);
// Shows the reminder when the clock matches the interval (only called while connected with the
// reminder on). An interval below 1 never fires.
void CheckReminder(Program& program);
// True when the reminder fires at this clock value (pure arithmetic, for the check above).
bool ReminderDue(int hours, int minutes, int seconds, int interval, bool inMinutes, bool inHours);
} // namespace Limits
