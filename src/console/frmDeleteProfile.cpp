#include "console/frmDeleteProfile.h"

#include "core/Program.h"

frmDeleteProfile::frmDeleteProfile(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmDeleteProfile"));
    setWindowTitle(QStringLiteral("Updating Connection Profiles"));
}

frmDeleteProfile::~frmDeleteProfile() = default;
