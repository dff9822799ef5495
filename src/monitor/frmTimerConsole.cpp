#include "monitor/frmTimerConsole.h"

#include "core/Program.h"

frmTimerConsole::frmTimerConsole(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmTimerConsole"));
    setWindowTitle(QStringLiteral("Timer"));
}

frmTimerConsole::~frmTimerConsole() = default;
