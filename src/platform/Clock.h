#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Wall time (for session start and end, and the month file's name) and a monotonic count (for the
// session clock). Tests swap in a settable clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same moment as milliseconds since the epoch: no time-zone work, for checks made every second.
    virtual qint64 nowMSecs() const { return now().toMSecsSinceEpoch(); }
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 nowMSecs() const override { return QDateTime::currentMSecsSinceEpoch(); }
    qint64 monotonicMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
