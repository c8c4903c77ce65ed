// The clock that the solver's time limits read: the wall clock, or the processor time of the
// calling thread, which other work on a busy machine does not use up.
#pragma once

enum class ClockKind { Wall, ThreadCpu };

// Seconds since a fixed start of that clock.
double ReadClock(ClockKind kind);

// A moment on one of the clocks; a moment of 0 never comes.
struct CDeadline {
    ClockKind m_clock = ClockKind::Wall;
    double m_dAt = 0;
    bool Passed() const { return m_dAt > 0 && ReadClock(m_clock) >= m_dAt; }
};
