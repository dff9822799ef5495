#pragma once

#include <QEvent>
#include <QObject>

// Notes the first paint event of a window: the benchmarks' end of a window's first opening.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(o, e);
    }
};
