#include "platform/ras/sim/SimRasControl.h"

#include "platform/NullSeams.h"

std::unique_ptr<RasControl> makeSimRasControl(const SimOptions&, QString*) {
    return std::make_unique<NullRasControl>();
}
