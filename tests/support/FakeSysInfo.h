#pragma once

#include "platform/SysInfo.h"

// The system information program: there or not, and how often it was started.
class FakeSysInfo final : public SysInfo {
public:
    explicit FakeSysInfo(bool available = true) : m_available(available) {}
    int calls = 0;
    bool start() override {
        ++calls;
        return m_available;
    }

private:
    bool m_available;
};
