#pragma once

#include "platform/MessageBoxes.h"

// The desktop implementation: a modal QMessageBox over the active window.
class QtMessageBoxes final : public MessageBoxes {
protected:
    BoxAnswer ask(const Box& box) override;
};
