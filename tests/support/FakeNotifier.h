#pragma once

#include "platform/Notifier.h"

#include <QStringList>

// Records each desktop notification as "TITLE|BODY".
class FakeNotifier final : public Notifier {
public:
    QStringList sent;
    void notify(const QString& title, const QString& body) override {
        sent << title + QLatin1Char('|') + body;
    }
};
