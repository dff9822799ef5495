#include "platform/ras/nm/NmRasControl.h"

bool networkManagerAvailable() {
    return false;
}

std::unique_ptr<RasControl> makeNmRasControl(QString* error) {
    if (error)
        *error = QStringLiteral("The NetworkManager backend is not available yet.");
    return nullptr;
}
