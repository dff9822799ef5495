#pragma once

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

#include <QList>
#include <QQueue>

#include <functional>

// Records every box and answers from a script; with the script empty it answers Ok, or Yes for a
// question. onBox, when set, runs while the box is "open" (to simulate ticks arriving meanwhile).
class FakeMessageBoxes final : public MessageBoxes {
public:
    QList<Box> shown;
    QQueue<BoxAnswer> answers;
    std::function<void(const Box&)> onBox;

    void answerNext(BoxAnswer a) { answers.enqueue(a); }
    QStringList texts() const {
        QStringList t;
        for (const Box& b : shown)
            t << b.text;
        return t;
    }

protected:
    BoxAnswer ask(const Box& box) override {
        shown.append(box);
        if (onBox)
            onBox(box);
        if (!answers.isEmpty())
            return answers.dequeue();
        return box.buttons == BoxButtons::YesNo || box.buttons == BoxButtons::YesNoCancel ? BoxAnswer::Yes
                                                                                          : BoxAnswer::Ok;
    }
};

// A clock that moves only when told to.
// A settable clock. The wall time is kept as milliseconds and turned into a local date and time only
// when asked for, so ticking it costs no time-zone work (the session-tick benchmark runs on it).
class FakeClock final : public Clock {
public:
    qint64 mono = 0;

    QDateTime now() const override {
        if (!m_wall.isValid())
            m_wall = QDateTime::fromMSecsSinceEpoch(m_wallMs);
        return m_wall;
    }
    qint64 nowMSecs() const override { return m_wallMs; }
    qint64 monotonicMs() const override { return mono; }
    void setNow(const QDateTime& wall) {
        m_wallMs = wall.toMSecsSinceEpoch();
        m_wall = QDateTime();
    }
    void advance(qint64 ms) {
        mono += ms;
        m_wallMs += ms;
        m_wall = QDateTime();
    }

private:
    qint64 m_wallMs = QDateTime(QDate(2026, 6, 15), QTime(12, 0, 0)).toMSecsSinceEpoch();
    mutable QDateTime m_wall;
};
