#include "dialing/frmPassword.h"

#include "core/Program.h"

frmPassword::frmPassword(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Authentication in Progress..."));
}

frmPassword::~frmPassword() = default;
