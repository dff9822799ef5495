#pragma once

#include <QString>

// Desktop notifications: a short message in the desktop's own notification area, beside the
// program's windows. Sending never waits; a desktop without notifications simply shows none.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString& title, const QString& body) = 0;
};
