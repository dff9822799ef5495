#include "monitor/frmCreateShortcut.h"

#include "core/Program.h"

frmCreateShortcut::frmCreateShortcut(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmCreateShortcut"));
    setWindowTitle(QStringLiteral("Creating Shortcut for ModemTally"));
}

frmCreateShortcut::~frmCreateShortcut() = default;
