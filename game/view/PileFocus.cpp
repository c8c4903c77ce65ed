#include "PileFocus.h"

#include <climits>
#include <cstdlib>

namespace {
// Farther than any two piles are apart: the point a wrapped step is measured from.
constexpr int kBeyond = 10000;

struct CAxis {
    int dx;
    int dy;
};

CAxis AxisOf(ENavigation step) {
    switch (step) {
    case ENavigation::Left:
        return {-1, 0};
    case ENavigation::Right:
        return {1, 0};
    case ENavigation::Up:
        return {0, -1};
    default:
        return {0, 1};
    }
}

// The nearest pile ahead of ptFrom along the axis, within 45 degrees of it; a pile off to the
// side counts twice its sideways distance, so the arrows keep to rows and columns. Ties go to
// the lower pile number.
int NearestAhead(const CPoint* pCentres, int nCount, int nFrom, CPoint ptFrom, CAxis axis) {
    int nBest = -1;
    long nBestCost = LONG_MAX;
    for (int p = 0; p < nCount; ++p) {
        if (p == nFrom) continue;
        const long nAhead = static_cast<long>(pCentres[p].x - ptFrom.x) * axis.dx +
                            static_cast<long>(pCentres[p].y - ptFrom.y) * axis.dy;
        const long nSide = std::labs(static_cast<long>(pCentres[p].x - ptFrom.x) * axis.dy +
                                     static_cast<long>(pCentres[p].y - ptFrom.y) * axis.dx);
        if (nAhead <= 0 || nSide > nAhead) continue;
        const long nCost = nAhead + 2 * nSide;
        if (nCost < nBestCost) {
            nBest = p;
            nBestCost = nCost;
        }
    }
    return nBest;
}
} // namespace

int StepFocus(const CPoint* pCentres, int nCount, int nFrom, ENavigation step) {
    if (nCount <= 0) return -1;
    if (step == ENavigation::First) return 0;
    if (step == ENavigation::Last) return nCount - 1;
    // With no focus yet, every step starts at one end.
    if (nFrom < 0 || nFrom >= nCount) return step == ENavigation::Previous ? nCount - 1 : 0;
    if (step == ENavigation::Next) return (nFrom + 1) % nCount;
    if (step == ENavigation::Previous) return (nFrom + nCount - 1) % nCount;
    const CAxis axis = AxisOf(step);
    const CPoint ptFrom = pCentres[nFrom];
    const int nAhead = NearestAhead(pCentres, nCount, nFrom, ptFrom, axis);
    if (nAhead >= 0) return nAhead;
    // Nothing on that side: come round from the far side, on the same line.
    const CPoint ptBeyond(ptFrom.x - axis.dx * kBeyond, ptFrom.y - axis.dy * kBeyond);
    const int nWrapped = NearestAhead(pCentres, nCount, -1, ptBeyond, axis);
    return nWrapped >= 0 ? nWrapped : nFrom;
}
