#include "monitor/frmReminder.h"

#include "core/Program.h"

frmReminder::frmReminder(Program& program) : m_program(program) {
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(QStringLiteral("ModemTally Reminder"));
}

frmReminder::~frmReminder() = default;
