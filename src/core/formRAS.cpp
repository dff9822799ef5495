#include "core/formRAS.h"

#include "core/Program.h"
#include "platform/RasControl.h"

formRAS::formRAS(Program& program) : RAS(program.ras()), m_program(program) {
    setObjectName(QStringLiteral("formRAS"));
    timerredial.setObjectName(QStringLiteral("timerredial"));
    timerredial.setInterval(1000);
    timerredial.setTimerType(Qt::PreciseTimer);

    connect(&RAS, &RasControl::ConnectionStatus, this, &formRAS::RAS_ConnectionStatus);
    connect(&RAS, &RasControl::EnumEntry, this, &formRAS::RAS_EnumEntry);
    connect(&RAS, &RasControl::EnumConnection, this, &formRAS::RAS_EnumConnection);
    connect(&timerredial, &QTimer::timeout, this, &formRAS::timerredial_Timer);
}

formRAS::~formRAS() = default;

void formRAS::cancelRedial() {
    timerredial.stop();
    redialTicks = 0;
    redial = 0;
    m_redialPrompt = false;
}

void formRAS::dialStarting(bool isRedial) {
    if (isRedial || m_redialPrompt) {
        m_redialPrompt = false;
        return;
    }
    cancelRedial();
}
