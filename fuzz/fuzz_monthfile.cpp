// The month file: any bytes are read into a record; saving that record with a new session added, as
// the program does at a session's end, gives every line back unchanged and adds exactly the new
// session's seconds.
#include "FuzzSupport.h"

#include "core/MonthFile.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const QString path = QDir(fuzz::scratchDir()).filePath(QStringLiteral("202612.txt"));
    fuzz::writeFile(path, reinterpret_cast<const char*>(bytes), size);

    MonthFile::Record record;
    QString error;
    fuzz::require(MonthFile::load(path, &record, &error) == MonthFile::ReadResult::Read, "reading failed");
    fuzz::require(record.totalSeconds >= 0, "a negative total");
    QStringList lines;
    fuzz::require(MonthFile::read(path, &lines, &error) == MonthFile::ReadResult::Read, "listing failed");
    fuzz::require(lines.size() == record.count, "the list and the record count different lines");
    fuzz::require(MonthFile::totalSeconds(lines) == record.totalSeconds, "the list and the record differ");
    for (const QString& l : lines)
        fuzz::require(MonthFile::lineSeconds(l) >= 0, "a negative line");

    // A session length taken from the input, as a 32-bit count of seconds.
    qint32 session = 0;
    for (size_t i = 0; i < size && i < 4; ++i)
        session = qint32((quint32(session) << 8) | bytes[i]);
    session &= std::numeric_limits<qint32>::max();
    const qint32 before = record.totalSeconds;
    record.append(session);

    fuzz::require(MonthFile::save(path, record, &error), "writing failed");
    QStringList again;
    fuzz::require(MonthFile::read(path, &again, &error) == MonthFile::ReadResult::Read, "re-reading failed");
    fuzz::require(again == lines + QStringList{MonthFile::newLine(session)}, "a rewrite changed the lines");
    const qint64 expected = qint64(before) + session;
    const qint32 after = MonthFile::totalSeconds(again);
    fuzz::require(after == (expected > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max()
                                                                          : qint32(expected)),
                  "the new session was not counted exactly once");
    return 0;
}
