#include "config/frmWarnNewConnection.h"

#include "core/Program.h"

frmWarnNewConnection::frmWarnNewConnection(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmWarnNewConnection"));
    setWindowTitle(QStringLiteral("Notice for Creating New Connection"));
}

frmWarnNewConnection::~frmWarnNewConnection() = default;
