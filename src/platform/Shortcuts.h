#pragma once

#include <QString>

// Where desktop launchers go and how one is written.
class Shortcuts {
public:
    virtual ~Shortcuts() = default;
    // The user's desktop folder.
    virtual QString desktopDirectory() const = 0;
};
