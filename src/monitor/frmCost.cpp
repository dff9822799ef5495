#include "monitor/frmCost.h"

#include "core/Program.h"

frmCost::frmCost(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmCost"));
    setWindowTitle(QStringLiteral("Connection Cost"));
}

frmCost::~frmCost() = default;
