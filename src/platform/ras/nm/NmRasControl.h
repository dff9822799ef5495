#pragma once

#include "platform/RasControl.h"

#include <QString>

#include <memory>

// True when org.freedesktop.NetworkManager is on the system bus.
bool networkManagerAvailable();
// The NetworkManager backend; nullptr with a reason when it cannot be used.
std::unique_ptr<RasControl> makeNmRasControl(QString* error);
