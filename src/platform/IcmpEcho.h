#pragma once

#include <QObject>
#include <QString>

// One keep-alive burst: resolve the host, then five ICMP echo requests, run without blocking the
// user-interface thread. Emits burstFinished() when the burst is over, whatever happened.
class IcmpEcho : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~IcmpEcho() override = default;

    virtual void startBurst(const QString& hostName) = 0;
    virtual bool isRunning() const = 0;

signals:
    void burstFinished(int replies);
};
