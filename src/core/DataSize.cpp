#include "core/DataSize.h"

namespace DataSize {

QString bytesText(quint64 bytes) {
    if (bytes < 1000)
        return QStringLiteral("%1 B").arg(bytes);
    static const char* const units[] = {"kB", "MB", "GB", "TB", "PB", "EB"};
    double v = double(bytes) / 1000.0;
    int unit = 0;
    // 999.96 kB would round to "1000 kB": it is shown as "1.00 MB".
    while (v >= 999.95 && unit < 5) {
        v /= 1000.0;
        ++unit;
    }
    const int decimals = v < 9.995 ? 2 : v < 99.95 ? 1 : 0;
    return QStringLiteral("%1 %2").arg(v, 0, 'f', decimals).arg(QLatin1String(units[unit]));
}

QString rateText(quint64 bytesPerSecond) {
    return bytesText(bytesPerSecond) + QStringLiteral("/s");
}

QString sessionText(quint64 received, quint64 sent, quint64 bytesPerSecond) {
    // The sum of two counters cannot exceed 2^64 in any real session, but saturate rather than wrap.
    const quint64 total = received > ~quint64(0) - sent ? ~quint64(0) : received + sent;
    return bytesText(total) + QStringLiteral(", ") + rateText(bytesPerSecond);
}

QString sessionDetail(quint64 received, quint64 sent) {
    return QStringLiteral("Received %1, sent %2").arg(bytesText(received), bytesText(sent));
}

} // namespace DataSize
