#pragma once

#include "history/HistoryTypes.h"

#include <QByteArray>
#include <QString>

class Journal;
class QIODevice;

// The journal's sessions as text: CSV (RFC 4180: a header row, CR LF line ends, a field quoted when
// it holds a comma, a quote or a line break, a quote doubled inside it; UTF-8), JSON (an array of
// objects), or a table for people with a total line.
namespace HistoryExport {

// The CSV header row, without its line end.
QByteArray csvHeader();
// One session as a CSV record (fields as csvHeader() names them), without its line end.
QByteArray csvRecord(const History::Session& session);
// A field, quoted when it must be.
QByteArray csvField(const QString& text);

// Writes the sessions of the period to `out`; false with the reason.
bool write(Journal& journal, const History::Filter& filter, History::Format format, QIODevice& out,
           QString* error);
// The same into a file, replaced whole or not at all.
bool writeFile(Journal& journal, const History::Filter& filter, History::Format format, const QString& path,
               QString* error);

} // namespace HistoryExport
