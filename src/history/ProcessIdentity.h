#pragma once

#include <QString>

// Who writes a running session: this boot of the machine, the process id and the process's start
// time. A session whose writer is gone (killed, or the machine restarted) can be told from one whose
// program still runs, even when the process id has been given to another process since.
namespace ProcessIdentity {
// This process.
QString self();
// True while the process named by `identity` runs (an identity not understood counts as gone).
bool alive(const QString& identity);
} // namespace ProcessIdentity
