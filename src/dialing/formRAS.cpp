#include "dialing/formRAS.h"

#include "core/Program.h"
#include "platform/RasControl.h"

formRAS::formRAS(Program& program) : RAS(program.ras()), m_program(program) {
    setObjectName(QStringLiteral("formRAS"));
    timerredial.setObjectName(QStringLiteral("timerredial"));
    timerredial.setInterval(1000);
    timerredial.setTimerType(Qt::PreciseTimer);
}

formRAS::~formRAS() = default;
