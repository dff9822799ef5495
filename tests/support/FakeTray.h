#pragma once

#include "platform/Tray.h"

#include <QList>
#include <QPair>

class QMenu;

// Records every tray request with its tip; isAvailable() answers as set.
class FakeTray final : public Tray {
public:
    bool available = true;
    QList<QPair<Message, QString>> requests;
    QMenu* menu = nullptr;

    bool isAvailable() const override { return available; }
    void send(Message message, const QString& tip) override { requests.append({message, tip}); }
    void setMenu(QMenu* m) override { menu = m; }

    void click(Click c) { emit clicked(c); }
};
