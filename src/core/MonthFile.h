#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The per-month record of connection durations: one line per connection, the whole seconds as
// decimal text, lines ended by CR LF. Lines read are kept exactly as read so that a rewrite gives
// them back unchanged.
//
// A month file is read line by line into one compact copy of its lines (never a list of strings), and
// never more than kMaxBytes of it: a larger file is no record this program wrote (a heavy user makes
// a few kilobytes a month), and is refused with its reason rather than read into memory.
namespace MonthFile {
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

// The seconds a line stands for: a whole number, blanks around it allowed; anything else counts 0.
qint64 lineSeconds(QStringView line);
qint64 lineSeconds(QLatin1String line);
// The line written for a newly ended session: a blank, the number, a blank.
QString newLine(qint32 seconds);
// The sum of the lines' seconds, kept within a 32-bit count.
qint32 totalSeconds(const QStringList& lines);

enum class ReadResult { Missing, Read, Failed };

// The lines of a file as they go back into it (each ended by CR LF) and the sum of their seconds.
struct Record {
    QByteArray lines;
    qint32 totalSeconds = 0;
    qsizetype count = 0;
    // Adds the line of a newly ended session.
    void append(qint32 seconds);
};
// Reads the file into a record (a missing file gives an empty one and Missing).
ReadResult load(const QString& path, Record* record, QString* error);
// Replaces the file atomically with the record's lines; false with the reason when it cannot be
// written.
bool save(const QString& path, const Record& record, QString* error);

// The same as a list of lines (for tools and tests).
ReadResult read(const QString& path, QStringList* lines, QString* error);
bool write(const QString& path, const QStringList& lines, QString* error);
} // namespace MonthFile
