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
class FakeClock final : public Clock {
public:
    QDateTime wall = QDateTime(QDate(2026, 6, 15), QTime(12, 0, 0));
    qint64 mono = 0;

    QDateTime now() const override { return wall; }
    qint64 monotonicMs() const override { return mono; }
    void advance(qint64 ms) {
        mono += ms;
        wall = wall.addMSecs(ms);
    }
};
