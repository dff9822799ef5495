#include "monitor/frmAbout.h"

#include "core/Program.h"

frmAbout::frmAbout(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ModemTally"));
}

frmAbout::~frmAbout() = default;
