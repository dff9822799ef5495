#pragma once

#include "platform/RasControl.h"

#include <QString>

#include <memory>

struct SimOptions {
    QString phonebookFile; // empty: the built-in sample phone book
    QString outsideEntry;  // an entry already connected by another program at start
};

// The simulator backend: a phone book of simulated lines.
std::unique_ptr<RasControl> makeSimRasControl(const SimOptions& options, QString* error);
