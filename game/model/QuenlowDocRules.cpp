#include "QuenlowDoc.h"

#include "resource.h"

// An empty fan is never a source: its rank 0 would pass as "one below an Ace".
BOOL CQuenlowDoc::CanMove(int nFrom, int nTo) const {
    if (nFrom < 0 || nFrom >= kFanCount || GetCardCount(nFrom) == 0) return FALSE;
    if (nTo < 0 || nTo >= kPileCount) return FALSE;
    const CCard m = GetTopCard(nFrom);
    if (nTo < kFanCount)
        return FanHasRoom(GetCardCount(nTo)) &&
               FitsOnFan(m.GetRank(), GetTopCard(nTo).GetRank(), m_bKingsAllowed != FALSE);
    return FoundationPileOfSuit(m.GetSuit()) == nTo &&
           FitsOnFoundation(m.GetRank(), GetTopCard(nTo).GetRank());
}

BOOL CQuenlowDoc::MoveCard(int nFrom, int nTo) {
    if (nFrom < 0 || nFrom >= kFanCount || GetCardCount(nFrom) == 0) return FALSE;
    if (!CanMove(nFrom, nTo)) {
        // Nothing changes; the lifted card is drawn back in place.
        InvalidateInViews(m_rcFanTop[nFrom], FALSE);
        return FALSE;
    }
    const CCard m = GetTopCard(nFrom);
    CRect rcChanged;
    if (nTo < kFanCount) {
        const int n = GetCardCount(nTo);
        m_fan[nTo][n] = m;
        GetCardRect(nTo, n, rcChanged);
    } else {
        CFoundation& foundation = GetFoundation(nTo);
        foundation.m_card = m;
        rcChanged = foundation.m_rc;
    }
    m_fan[nFrom][GetCardCount(nFrom) - 1].Clear();
    m_platform.PlaySound(IDW_CARD_DOWN, kSndResource | kSndNoDefault);
    LayoutFans();
    InvalidateInViews(rcChanged, FALSE);
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
