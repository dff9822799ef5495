#pragma once

#include <QString>
#include <QStringList>

// The per-month record of connection durations: one line per connection, the whole seconds as
// decimal text, lines ended by CR LF. Lines read are kept exactly as read so that a rewrite gives
// them back unchanged.
namespace MonthFile {
// The seconds a line stands for: a whole number, blanks around it allowed; anything else counts 0.
qint64 lineSeconds(const QString& line);
// The line written for a newly ended session: a blank, the number, a blank.
QString newLine(qint32 seconds);
// The sum of the lines' seconds, kept within a 32-bit count.
qint32 totalSeconds(const QStringList& lines);

enum class ReadResult { Missing, Read, Failed };
// Reads the lines of the file (a missing file gives no lines and Missing).
ReadResult read(const QString& path, QStringList* lines, QString* error);
// Replaces the file atomically with these lines; false with the reason when it cannot be written.
bool write(const QString& path, const QStringList& lines, QString* error);
} // namespace MonthFile
