#include "monitor/frmHelpDelete.h"

#include "core/Program.h"

frmHelpDelete::frmHelpDelete(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmHelpDelete"));
    setWindowTitle(QStringLiteral("ModemTally Help"));
}

frmHelpDelete::~frmHelpDelete() = default;
