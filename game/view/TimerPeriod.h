// Raises the system timer resolution for as long as it lives, so that the 1 ms sleeps of a
// glide or a flight last about 1 ms and not a whole default timer tick.
#pragma once

#include "Platform.h"

class CTimerPeriod {
public:
    explicit CTimerPeriod(IPlatform& platform) : m_platform(platform) {
        m_platform.BeginTimerPeriod();
    }
    ~CTimerPeriod() { m_platform.EndTimerPeriod(); }
    CTimerPeriod(const CTimerPeriod&) = delete;
    CTimerPeriod& operator=(const CTimerPeriod&) = delete;

private:
    IPlatform& m_platform;
};
