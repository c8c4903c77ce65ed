#include "QuenlowView.h"

namespace {
int Sign(int n) {
    return (n > 0) - (n < 0);
}

// The foundations count as a fourth row, columns 0 to 3, for the direction of a drop.
int ColumnOf(int nPile) {
    return nPile < kFanCount ? nPile % kFanColumns : nPile - kFanCount;
}
int RowOf(int nPile) {
    return nPile < kFanCount ? nPile / kFanColumns : kFanCount / kFanColumns;
}
} // namespace

int CQuenlowView::DropTarget(CPoint point) const {
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr) return -1;
    // A pile's drop area is its area with a margin of one slot step; the lower pile number
    // wins overlaps.
    for (int p = 0; p < kPileCount; ++p) {
        const CRect rc = pDoc->GetPileArea(p);
        if (CRect(rc.left - kSlotStepX, rc.top - kSlotStepY, rc.right + kSlotStepX,
                  rc.bottom + kSlotStepY)
                .PtInRect(point))
            return p;
    }
    return -1;
}

// The search is the game's fixed rule, quirks included: the walk keeps its direction past
// the target, stays in the last column when moving right, and a foundation found when moving
// right replaces a fan the walk found.
int CQuenlowView::ResolveDrop(int nFrom, int nTarget) const {
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr) return nFrom;
    const CQuenlowDoc& doc = *pDoc;
    if (nTarget != nFrom) {
        if (nTarget == -1) return nFrom;
        if (doc.CanMove(nFrom, nTarget)) return nTarget;
    }
    int nDest = nFrom;
    BOOL bFound = FALSE;
    auto tryFoundations = [&] {
        for (int k = kFanCount; k < kPileCount; ++k) {
            if (k != nTarget && doc.CanMove(nFrom, k)) {
                nDest = k;
                bFound = TRUE;
                return;
            }
        }
    };
    if (nTarget >= kFanCount || nTarget == nFrom) tryFoundations();
    const int dc = Sign(ColumnOf(nTarget) - ColumnOf(nFrom));
    const int dr = Sign(RowOf(nTarget) - RowOf(nFrom));
    int n = nFrom;
    for (int i = 0; i < 5 && !bFound; ++i) {
        n += dc;
        if (dc > 0 && n % kFanColumns == 0) n -= 1;
        n += kFanColumns * dr;
        if (n < 0) n += kFanColumns;
        if (n >= kFanCount) n -= kFanColumns;
        if (n >= 0 && n != nFrom && doc.CanMove(nFrom, n)) {
            nDest = n;
            bFound = TRUE;
        }
    }
    if (dc > 0) tryFoundations();
    for (int k = 0; k < kPileCount && !bFound; ++k) {
        if (k != nTarget && doc.CanMove(nFrom, k)) {
            nDest = k;
            bFound = TRUE;
        }
    }
    return nDest;
}
