#pragma once

#include "platform/Sound.h"

#include <QStringList>

// Records every request: "standard", or the file's path.
class FakeSound final : public Sound {
public:
    QStringList played;
    void playStandard() override { played << QStringLiteral("standard"); }
    void playFile(const QString& path) override { played << path; }
};
