// Paces the steps of glides and flights against the platform's monotonic clock: step k is due
// k milliseconds after the animation began. An early step sleeps until it is due (with the
// timer resolution raised); a late one does not sleep at all, so a sleep that overshoots
// delays one step and never the whole animation.
#pragma once

#include "Platform.h"

#include <cstdint>

class CAnimationPace {
public:
    explicit CAnimationPace(ITime& time) : m_time(time) {}
    CAnimationPace(const CAnimationPace&) = delete;
    CAnimationPace& operator=(const CAnimationPace&) = delete;

    // Returns once the next step is due.
    void WaitForStep();

private:
    friend class CPacedAnimation;
    ITime& m_time;
    int m_nDepth = 0;
    std::uint64_t m_nStartUs = 0;
    std::uint64_t m_nSteps = 0;
};

// One animation for as long as it lives. An animation begun inside another (each flight of the
// deal) continues the outer one's schedule, so the deal as a whole keeps the pace.
class CPacedAnimation {
public:
    explicit CPacedAnimation(CAnimationPace& pace);
    ~CPacedAnimation();
    CPacedAnimation(const CPacedAnimation&) = delete;
    CPacedAnimation& operator=(const CPacedAnimation&) = delete;

private:
    CAnimationPace& m_pace;
};

// The points of a straight glide or flight in about nSteps steps (2 when none are given): each
// step adds an even share, truncated toward zero and never past the end. Truncation costs at
// most one extra step; never more, whatever the rounding.
class CStepPath {
public:
    CStepPath(CPoint ptFrom, CPoint ptTo, int nSteps);
    bool AtEnd() const { return m_pt == m_ptTo; }
    CPoint Current() const { return m_pt; }
    void Advance();

private:
    CPoint m_pt;
    CPoint m_ptTo;
    int m_nSteps;
    int m_nTaken = 0;
    float m_fX;
    float m_fY;
    float m_fStepX;
    float m_fStepY;
};
