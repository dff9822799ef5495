#include "monitor/SessionTimer.h"

#include "core/Program.h"

namespace SessionTimer {
void timer_Timer(Program&) {}
QString ElapsedText(const Program& p) {
    return QStringLiteral("%1 : %2 : %3")
        .arg(p.session.gElapsedHours)
        .arg(p.session.gElapsedMinutes)
        .arg(p.session.gElapsedSeconds);
}
QString MonthFileName(const QDate& date) {
    return QStringLiteral("%1%2.txt").arg(date.year(), 4, 10, QLatin1Char('0')).arg(date.month());
}
Money RatePerSecond(const Program&) {
    return Money();
}
void BeginSessionAccounting(Program&) {}
void EndSessionAccounting(Program&, const QString&) {}
} // namespace SessionTimer
