#include "monitor/frmHelpStart.h"

#include "core/Program.h"

frmHelpStart::frmHelpStart(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmHelpStart"));
    setWindowTitle(QStringLiteral("ModemTally Help"));
}

frmHelpStart::~frmHelpStart() = default;
