#include "dialing/frmConnectNoDefault.h"

#include "core/Program.h"

frmConnectNoDefault::frmConnectNoDefault(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmConnectNoDefault"));
    setWindowTitle(QStringLiteral("Dialing to..."));
}

frmConnectNoDefault::~frmConnectNoDefault() = default;
