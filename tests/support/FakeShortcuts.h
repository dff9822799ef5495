#pragma once

#include "platform/Shortcuts.h"

#include <QString>

// A desktop folder of the test's choosing.
class FakeShortcuts final : public Shortcuts {
public:
    explicit FakeShortcuts(QString folder) : m_folder(std::move(folder)) {}
    QString desktopDirectory() const override { return m_folder; }

private:
    QString m_folder;
};
