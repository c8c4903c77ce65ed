#include "QuenlowDoc.h"

#include "resource.h"

namespace {
bool AreNeighbours(int nRankA, int nRankB) {
    return nRankA == nRankB + 1 || nRankA == nRankB - 1;
}
} // namespace

// An empty fan is never a source: its rank 0 would pass as "one below an Ace".
BOOL CQuenlowDoc::CanMove(int nFrom, int nTo) const {
    if (nFrom < 0 || nFrom >= kFanCount || GetCardCount(nFrom) == 0) return FALSE;
    if (nTo < 0 || nTo >= kPileCount) return FALSE;
    CCard m = GetTopCard(nFrom);
    if (nTo < kFanCount) {
        CCard t = GetTopCard(nTo);
        if (GetCardCount(nTo) == 3) return FALSE;
        if (t.GetRank() != 0) return AreNeighbours(m.GetRank(), t.GetRank());
        return m_bKingsAllowed && m.GetRank() == kKing;
    }
    if (FoundationPileOfSuit(m.GetSuit()) != nTo) return FALSE;
    return GetFoundation(nTo).GetRank() == m.GetRank() - 1;
}

BOOL CQuenlowDoc::MoveCard(int nFrom, int nTo) {
    if (nFrom < 0 || nFrom >= kFanCount || GetCardCount(nFrom) == 0) return FALSE;
    CCard m = GetTopCard(nFrom);
    CRect rcChanged;
    bool bMoved = false;
    if (nTo >= 0 && nTo < kFanCount) {
        CCard t = GetTopCard(nTo);
        int n = GetCardCount(nTo);
        if (t.HasCard() && n < 3 && AreNeighbours(m.GetRank(), t.GetRank())) {
            m_fan[nTo][n] = m;
            GetCardRect(nTo, n, rcChanged);
            bMoved = true;
        } else if (n == 0 && m.GetRank() == kKing && m_bKingsAllowed) {
            m_fan[nTo][0] = m;
            GetCardRect(nTo, 0, rcChanged);
            bMoved = true;
        }
    } else if (nTo >= kFanCount && nTo < kPileCount) {
        // The card goes to its own suit's foundation; CanMove checked that nTo is that one.
        int nPile = FoundationPileOfSuit(m.GetSuit());
        CCard& foundation = m_foundation[FoundationIndex(nPile)];
        if (foundation.GetRank() == m.GetRank() - 1) {
            foundation = m;
            rcChanged = GetFoundationRect(nPile);
            bMoved = true;
        }
    }
    if (!bMoved) {
        InvalidateInViews(m_rcFanTop[nFrom], FALSE);
        return FALSE;
    }
    m_fan[nFrom][GetCardCount(nFrom) - 1].Clear();
    m_platform.PlaySound(IDW_CARD_DOWN, kSndResource | kSndNoDefault);
    InvalidateInViews(rcChanged, FALSE);
    LayoutFans();
    if (m_bInProgress) m_bChanged = TRUE;
    return TRUE;
}

void CQuenlowDoc::OnKings() {
    m_bKingsAllowed = m_bKingsAllowed ? FALSE : TRUE;
}

void CQuenlowDoc::OnUpdateKings(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bKingsAllowed ? 1 : 0);
}
