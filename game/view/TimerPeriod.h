// Raises the system timer resolution for as long as it lives, so that the 1 ms sleeps of a
// glide or a flight last about 1 ms and not a whole default timer tick.
#pragma once

#include "Platform.h"

class CTimerPeriod {
public:
    explicit CTimerPeriod(ITime& time) : m_time(time) { m_time.BeginTimerPeriod(); }
    ~CTimerPeriod() { m_time.EndTimerPeriod(); }
    CTimerPeriod(const CTimerPeriod&) = delete;
    CTimerPeriod& operator=(const CTimerPeriod&) = delete;

private:
    ITime& m_time;
};
