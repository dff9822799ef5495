#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>

class Program;

// The one-second session tick, the session clock and the monthly record.
namespace SessionTimer {
void timer_Timer(Program& program);
QString ElapsedText(const Program& program);
QString MonthFileName(const QDate& date);
Money RatePerSecond(const Program& program);
void BeginSessionAccounting(Program& program);
// Ends the session (only when gConnected is "true"): records the duration and shows the cost window
// when enabled, with the given note ("" for none).
void EndSessionAccounting(Program& program, const QString& costNote = {});
} // namespace SessionTimer
