#pragma once

#include "platform/SysInfo.h"

#include <QStringList>

// The system-information program of this desktop: the first of a list of known programs found on
// PATH, started detached with a normal window.
class LinuxSysInfo final : public SysInfo {
public:
    // Known programs, best first.
    static QStringList knownPrograms();

    // searchPaths empty: PATH.
    explicit LinuxSysInfo(QStringList programs = knownPrograms(), QStringList searchPaths = {});

    bool start() override;
    // The programs found, in the order they are tried.
    QStringList findPrograms() const;

private:
    QStringList m_programs;
    QStringList m_searchPaths;
};
