#include "config/frmConfig.h"

#include "core/Program.h"

frmConfig::frmConfig(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("ModemTally Configuration Console"));
}

frmConfig::~frmConfig() = default;

void frmConfig::hideConnectDefaultGroup() {}
void frmConfig::setCloseEnabled(bool) {}
