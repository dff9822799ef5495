#include "monitor/frmWarn.h"

#include "core/Program.h"

frmWarn::frmWarn(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmWarn"));
    setWindowTitle(QStringLiteral("Warning"));
}

frmWarn::~frmWarn() = default;
