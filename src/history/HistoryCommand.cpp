#include "history/HistoryCommand.h"

#include "history/Export.h"
#include "history/Journal.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace HistoryCommand {

int run(int argc, char* argv[], const QString& dataDir, const Options& options) {
    QCoreApplication app(argc, argv);
    const QString folder =
        dataDir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : dataDir;
    // No data folder yet: no sessions, and nothing is made for the asking.
    const bool exists = !folder.isEmpty() && QFileInfo(folder).isDir();
    Journal journal(exists ? Journal::fileIn(folder) : QStringLiteral(":memory:"));
    QString error;
    if (!journal.open(&error) || (exists && journal.importMonthFiles(folder) < 0)) {
        std::fprintf(stderr, "modemtally: %s\n", qPrintable(error.isEmpty() ? journal.lastError() : error));
        return 1;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) ||
        !HistoryExport::write(journal, options.filter, options.format, out, &error)) {
        std::fprintf(stderr, "modemtally: %s\n", qPrintable(error));
        return 1;
    }
    out.flush();
    return 0;
}

} // namespace HistoryCommand
