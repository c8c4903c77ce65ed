#include "AnimationPace.h"

void CAnimationPace::WaitForStep() {
    ++m_nSteps;
    const std::uint64_t nDueUs = m_nStartUs + m_nSteps * 1000;
    const std::uint64_t nNowUs = m_time.GetMicroseconds();
    if (nNowUs >= nDueUs) return;
    const std::uint64_t nWaitMs = (nDueUs - nNowUs) / 1000;
    m_time.Sleep(nWaitMs > 0 ? static_cast<unsigned>(nWaitMs) : 1);
}

CPacedAnimation::CPacedAnimation(CAnimationPace& pace) : m_pace(pace) {
    if (m_pace.m_nDepth++ > 0) return;
    m_pace.m_time.BeginTimerPeriod();
    m_pace.m_nStartUs = m_pace.m_time.GetMicroseconds();
    m_pace.m_nSteps = 0;
}

CPacedAnimation::~CPacedAnimation() {
    if (--m_pace.m_nDepth == 0) m_pace.m_time.EndTimerPeriod();
}
