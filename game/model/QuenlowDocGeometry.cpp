#include "QuenlowDoc.h"

namespace {
const CRect kNoRect(0, 0, 0, 0);
} // namespace

void CQuenlowDoc::GetCardRect(int nPile, int nSlot, CRect& rc) const {
    if (nPile >= kFanCount) {
        rc = IsFoundationPile(nPile) ? GetFoundation(nPile).m_rc : kNoRect;
        return;
    }
    int nRow = nPile / kFanColumns;
    int nCol = nPile % kFanColumns;
    rc.left = 84 * nCol + 10 + 10 * nSlot;
    rc.top = 14 + 124 * nRow + 14 * nSlot;
    rc.right = rc.left + kCardWidth;
    rc.bottom = rc.top + kCardHeight;
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

int CQuenlowDoc::GetCardCount(int nFan) const {
    if (nFan < 0 || nFan >= kFanCount) return 0;
    int n = 0;
    while (n < kFanSlots && m_fan[nFan][n].HasCard())
        ++n;
    return n;
}

CCard CQuenlowDoc::GetTopCard(int nPile) const {
    if (IsFoundationPile(nPile)) return GetFoundation(nPile).m_card;
    int n = GetCardCount(nPile);
    if (n == 0) return CCard();
    return m_fan[nPile][n - 1];
}

CBitmap* CQuenlowDoc::GetTopFace(int nFan) const {
    return GetTopCard(nFan).GetFace();
}

CBitmap* CQuenlowDoc::GetUnderFace(int nFan) const {
    int n = GetCardCount(nFan);
    return n >= 2 ? m_fan[nFan][n - 2].GetFace() : nullptr;
}

CCard CQuenlowDoc::GetCard(int nFan, int nSlot) const {
    if (nFan < 0 || nFan >= kFanCount || nSlot < 0 || nSlot >= kFanSlots) return CCard();
    return m_fan[nFan][nSlot];
}

CRect CQuenlowDoc::GetPileArea(int nPile) const {
    CRect rc;
    GetCardRect(nPile, 0, rc);
    if (nPile < kFanCount) {
        CRect rcTop;
        GetCardRect(nPile, kFanSlots - 1, rcTop);
        rc.right = rcTop.right;
        rc.bottom = rcTop.bottom;
    }
    return rc;
}
