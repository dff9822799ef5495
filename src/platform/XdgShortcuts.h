#pragma once

#include "platform/Shortcuts.h"

// The desktop folder of the freedesktop user directories ($XDG_DESKTOP_DIR, else ~/Desktop).
class XdgShortcuts final : public Shortcuts {
public:
    QString desktopDirectory() const override;
};
