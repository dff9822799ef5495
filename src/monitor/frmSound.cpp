#include "monitor/frmSound.h"

#include "core/Program.h"

frmSound::frmSound(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmSound"));
    setWindowTitle(QStringLiteral("Sound Control"));
}

frmSound::~frmSound() = default;
