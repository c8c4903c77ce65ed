#include "QuenlowDoc.h"

namespace {
const CRect kNoRect(0, 0, 0, 0);

bool IsFan(int nPile) {
    return nPile >= 0 && nPile < kFanCount;
}
} // namespace

void CQuenlowDoc::GetCardRect(int nPile, int nSlot, CRect& rc) const {
    if (!IsFan(nPile)) {
        rc = IsFoundationPile(nPile) ? GetFoundation(nPile).m_rc : kNoRect;
        return;
    }
    int nRow = nPile / kFanColumns;
    int nCol = nPile % kFanColumns;
    rc.left = kFansLeft + kFanPitchX * nCol + kSlotStepX * nSlot;
    rc.top = kFansTop + kFanPitchY * nRow + kSlotStepY * nSlot;
    rc.right = rc.left + kCardWidth;
    rc.bottom = rc.top + kCardHeight;
}

CRect CQuenlowDoc::GetPileArea(int nPile) const {
    CRect rc;
    GetCardRect(nPile, 0, rc);
    if (IsFan(nPile)) {
        CRect rcHighest;
        GetCardRect(nPile, kFanSlots - 1, rcHighest);
        rc.right = rcHighest.right;
        rc.bottom = rcHighest.bottom;
    }
    return rc;
}

void CQuenlowDoc::LayoutFans() {
    for (int f = 0; f < kFanCount; ++f) {
        int n = GetCardCount(f);
        if (n == 0)
            m_rcFanTop[f] = kNoRect;
        else
            GetCardRect(f, n - 1, m_rcFanTop[f]);
    }
}

const CRect& CQuenlowDoc::GetTopCardRect(int nFan) const {
    return IsFan(nFan) ? m_rcFanTop[nFan] : kNoRect;
}

// The lower fan number wins where two top cards overlap.
int CQuenlowDoc::FanWithTopCardAt(CPoint point) const {
    for (int f = 0; f < kFanCount; ++f)
        if (m_rcFanTop[f].PtInRect(point)) return f;
    return -1;
}

int CQuenlowDoc::GetCardCount(int nFan) const {
    if (!IsFan(nFan)) return 0;
    int n = 0;
    while (n < kFanSlots && m_fan[nFan][n].HasCard())
        ++n;
    return n;
}

CCard CQuenlowDoc::GetCard(int nFan, int nSlot) const {
    if (!IsFan(nFan) || nSlot < 0 || nSlot >= kFanSlots) return CCard();
    return m_fan[nFan][nSlot];
}

CCard CQuenlowDoc::GetTopCard(int nPile) const {
    if (IsFoundationPile(nPile)) return GetFoundation(nPile).m_card;
    int n = GetCardCount(nPile);
    if (n == 0) return CCard();
    return m_fan[nPile][n - 1];
}

CBitmap* CQuenlowDoc::GetTopFace(int nPile) const {
    return GetTopCard(nPile).GetFace();
}

CBitmap* CQuenlowDoc::GetUnderFace(int nFan) const {
    int n = GetCardCount(nFan);
    return n >= 2 ? m_fan[nFan][n - 2].GetFace() : nullptr;
}

const CBitmap& CQuenlowDoc::GetEmptyFoundationFace(int nPile) const {
    return GetFoundation(nPile).m_bmEmpty;
}
