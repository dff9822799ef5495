#pragma once

#include "platform/Notifier.h"

// Notifications through org.freedesktop.Notifications on the session bus. The call is sent without
// waiting for its answer; when no notification service runs (or there is no session bus) nothing is
// shown and nothing else happens.
class DBusNotifier final : public Notifier {
public:
    void notify(const QString& title, const QString& body) override;
};
