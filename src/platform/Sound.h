#pragma once

#include <QString>

// Plays the connection sound without blocking the caller.
class Sound {
public:
    virtual ~Sound() = default;
    // The program's standard sound (the freedesktop theme's "network-connectivity-established").
    virtual void playStandard() = 0;
    // A sound file as given; a file that cannot be played falls back to a theme sound.
    virtual void playFile(const QString& path) = 0;
};
