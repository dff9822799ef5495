#include "monitor/frmHelpEdit.h"

#include "core/Program.h"

frmHelpEdit::frmHelpEdit(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmHelpEdit"));
    setWindowTitle(QStringLiteral("ModemTally Help"));
}

frmHelpEdit::~frmHelpEdit() = default;
