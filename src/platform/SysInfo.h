#pragma once

// Starts a system-information program found on this machine; false when there is none.
class SysInfo {
public:
    virtual ~SysInfo() = default;
    virtual bool start() = 0;
};
