#include "dialing/frmDialSelected.h"

#include "core/Program.h"

frmDialSelected::frmDialSelected(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmDialSelected"));
    setWindowTitle(QStringLiteral("Dialing to..."));
}

frmDialSelected::~frmDialSelected() = default;
