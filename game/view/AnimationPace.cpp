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

namespace {
// One step along one axis: truncated toward zero, never past the end.
int StepToward(float fPos, float fStep, int nTarget) {
    int n = static_cast<int>(fPos);
    if ((fStep > 0 && n > nTarget) || (fStep <= 0 && n < nTarget)) n = nTarget;
    return n;
}
} // namespace

CStepPath::CStepPath(CPoint ptFrom, CPoint ptTo, int nSteps)
    : m_pt(ptFrom), m_ptTo(ptTo), m_nSteps(nSteps > 0 ? nSteps : 2),
      m_fX(static_cast<float>(ptFrom.x)), m_fY(static_cast<float>(ptFrom.y)),
      m_fStepX(static_cast<float>(ptTo.x - ptFrom.x) / static_cast<float>(m_nSteps)),
      m_fStepY(static_cast<float>(ptTo.y - ptFrom.y) / static_cast<float>(m_nSteps)) {}

void CStepPath::Advance() {
    m_fX += m_fStepX;
    m_fY += m_fStepY;
    m_pt = CPoint(StepToward(m_fX, m_fStepX, m_ptTo.x), StepToward(m_fY, m_fStepY, m_ptTo.y));
    if (m_nTaken++ >= m_nSteps) m_pt = m_ptTo;
}
