#include "core/Plans.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace PlanMath {

QDate cycleStartIn(int year, int month, int firstDay) {
    const QDate firstOfMonth(year, month, 1);
    return QDate(year, month, qBound(1, firstDay, firstOfMonth.daysInMonth()));
}

Cycle cycleOf(const QDate& day, int firstDay) {
    const QDate here = cycleStartIn(day.year(), day.month(), firstDay);
    if (day >= here) {
        const QDate nextMonth = here.addMonths(1);
        return Cycle{here, cycleStartIn(nextMonth.year(), nextMonth.month(), firstDay)};
    }
    const QDate lastMonth = QDate(day.year(), day.month(), 1).addMonths(-1);
    return Cycle{cycleStartIn(lastMonth.year(), lastMonth.month(), firstDay), here};
}

Projection project(double used, double allowance, qint64 beginsMs, qint64 endsMs, qint64 nowMs) {
    Projection p;
    const qint64 elapsed = nowMs - beginsMs;
    const qint64 length = endsMs - beginsMs;
    if (elapsed <= 0 || length <= 0) {
        p.atCycleEnd = used;
        return p;
    }
    const double pace = used / double(elapsed); // per millisecond
    p.atCycleEnd = used + pace * double(qMax<qint64>(0, endsMs - nowMs));
    if (allowance <= 0)
        return p;
    if (used >= allowance) {
        p.runsOut = QDateTime::fromMSecsSinceEpoch(nowMs);
    } else if (pace > 0) {
        const double at = double(beginsMs) + allowance / pace;
        if (at < double(endsMs))
            p.runsOut = QDateTime::fromMSecsSinceEpoch(qint64(std::floor(at)));
    }
    return p;
}

Money extraCost(quint64 usedBytes, const Plan& plan) {
    if (plan.dataAllowanceBytes == 0 || usedBytes <= plan.dataAllowanceBytes)
        return Money();
    const quint64 over = usedBytes - plan.dataAllowanceBytes;
    const quint64 mb = (over + Plan::kBytesPerMB - 1) / Plan::kBytesPerMB;
    return plan.pricePerExtraMB.times(qint64(qMin<quint64>(mb, quint64(1) << 40)));
}

bool parseThresholds(const QString& text, QList<int>* thresholds) {
    QList<int> out;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString t = part.trimmed();
        if (t.endsWith(QLatin1Char('%')))
            t.chop(1);
        bool ok = false;
        const int v = t.trimmed().toInt(&ok);
        if (!ok || v < 1 || v > 1000)
            return false;
        if (!out.contains(v))
            out << v;
    }
    if (out.isEmpty())
        return false;
    std::sort(out.begin(), out.end());
    *thresholds = out;
    return true;
}

QString thresholdsText(const QList<int>& thresholds) {
    QStringList parts;
    for (int t : thresholds)
        parts << QString::number(t);
    return parts.join(QStringLiteral(", "));
}

} // namespace PlanMath
