#pragma once

#include <QString>
#include <QtGlobal>

// Byte counts as the windows show them, in decimal units (1 kB = 1000 bytes, as line tariffs count).
namespace DataSize {
// "0 B", "999 B", "1.23 kB", "12.4 MB", "345 MB", "1.50 GB": three significant digits from 1 kB.
QString bytesText(quint64 bytes);
// "35.0 kB/s".
QString rateText(quint64 bytesPerSecond);
// The session's data beside the clock: both directions together and the pace, "12.4 MB, 35.0 kB/s".
QString sessionText(quint64 received, quint64 sent, quint64 bytesPerSecond);
// The same, direction by direction: "Received 11.2 MB, sent 1.20 MB".
QString sessionDetail(quint64 received, quint64 sent);
} // namespace DataSize
