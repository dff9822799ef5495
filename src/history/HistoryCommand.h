#pragma once

#include "history/HistoryTypes.h"

#include <QString>

// `modemtally --history`: the journal's sessions on standard output, with no display and no running
// program needed.
namespace HistoryCommand {

struct Options {
    History::Filter filter;
    History::Format format = History::Format::Table;
};

// Prints the sessions of the period from the journal of `dataDir` (empty: the user's data folder) and
// returns the exit status. A folder that does not exist holds no sessions; a journal not made yet is
// made from the month files, as on any first use. Makes its own QCoreApplication: Qt's SQL drivers
// are plugins, which need one.
int run(int argc, char* argv[], const QString& dataDir, const Options& options);

} // namespace HistoryCommand
