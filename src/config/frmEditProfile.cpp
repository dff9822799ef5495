#include "config/frmEditProfile.h"

#include "core/Program.h"

frmEditProfile::frmEditProfile(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmEditProfile"));
    setWindowTitle(QStringLiteral("Edit Connection Profile"));
}

frmEditProfile::~frmEditProfile() = default;
