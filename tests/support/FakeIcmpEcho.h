#pragma once

#include "platform/IcmpEcho.h"

#include <QStringList>

// Records every burst started; a burst runs until finish() is called.
class FakeIcmpEcho final : public IcmpEcho {
public:
    QStringList bursts;
    bool running = false;

    void startBurst(const QString& hostName) override {
        bursts << hostName;
        running = true;
    }
    bool isRunning() const override { return running; }
    void finish(int replies = 5) {
        running = false;
        emit burstFinished(replies);
    }
};
