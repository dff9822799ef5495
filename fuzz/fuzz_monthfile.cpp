// The month file: any bytes are read into lines; rewriting those lines, with a new session added as
// the program does, gives every line back unchanged and adds exactly the new session's seconds.
#include "FuzzSupport.h"

#include "core/MonthFile.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const QString path = QDir(fuzz::scratchDir()).filePath(QStringLiteral("202612.txt"));
    fuzz::writeFile(path, reinterpret_cast<const char*>(bytes), size);

    QStringList lines;
    QString error;
    fuzz::require(MonthFile::read(path, &lines, &error) == MonthFile::ReadResult::Read, "reading failed");
    const qint32 before = MonthFile::totalSeconds(lines);
    fuzz::require(before >= 0, "a negative total");
    for (const QString& l : lines)
        fuzz::require(MonthFile::lineSeconds(l) >= 0, "a negative line");

    // A session length taken from the input, as a 32-bit count of seconds.
    qint32 session = 0;
    for (size_t i = 0; i < size && i < 4; ++i)
        session = qint32((quint32(session) << 8) | bytes[i]);
    session &= std::numeric_limits<qint32>::max();
    QStringList grown = lines;
    grown.append(MonthFile::newLine(session));

    fuzz::require(MonthFile::write(path, grown, &error), "writing failed");
    QStringList again;
    fuzz::require(MonthFile::read(path, &again, &error) == MonthFile::ReadResult::Read, "re-reading failed");
    fuzz::require(again == grown, "a rewrite changed the lines");
    const qint64 expected = qint64(before) + session;
    const qint32 after = MonthFile::totalSeconds(again);
    fuzz::require(after == (expected > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max()
                                                                          : qint32(expected)),
                  "the new session was not counted exactly once");
    return 0;
}
