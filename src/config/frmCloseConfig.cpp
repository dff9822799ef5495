#include "config/frmCloseConfig.h"

#include "core/Program.h"

frmCloseConfig::frmCloseConfig(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmCloseConfig"));
    setWindowTitle(QStringLiteral("Closing Configuration Console"));
}

frmCloseConfig::~frmCloseConfig() = default;
