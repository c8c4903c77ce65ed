#include "QuenlowView.h"

#include "ViewGestureState.h"

#include <string>

BOOL CQuenlowView::PickCardAt(CPoint point) {
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr) return FALSE;
    for (int f = 0; f < kFanCount; ++f) {
        if (!pDoc->GetPileArea(f).PtInRect(point)) continue;
        // From the top down: a covered card is named only through its visible strips.
        for (int s = kFanSlots - 1; s >= 0; --s) {
            CRect rc;
            pDoc->GetCardRect(f, s, rc);
            const CCard card = pDoc->GetCard(f, s);
            if (card.HasCard() && rc.PtInRect(point)) {
                g_namedCard = card;
                g_nPickedPile = f;
                return TRUE;
            }
        }
        return FALSE;
    }
    for (int p = kFanCount; p < kPileCount; ++p) {
        if (!pDoc->GetPileArea(p).PtInRect(point)) continue;
        const CCard card = pDoc->GetTopCard(p);
        if (!card.HasCard()) return FALSE;
        g_namedCard = card;
        g_nPickedPile = p;
        return TRUE;
    }
    return FALSE;
}

std::vector<CRect> CQuenlowView::GetPartnerAreas() const {
    std::vector<CRect> areas;
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr) return areas;
    const int nRank = g_namedCard.GetRank();
    const int nSuit = g_namedCard.GetSuit();
    // A card named on a foundation has partners of its own suit only.
    const bool bOwnSuitOnly = IsFoundationPile(g_nPickedPile);
    for (int f = 0; f < kFanCount; ++f) {
        const int nTop = pDoc->GetCardCount(f) - 1;
        for (int s = 0; s < kFanSlots; ++s) {
            const CCard card = pDoc->GetCard(f, s);
            if (!card.HasCard() || !AreNeighbours(card.GetRank(), nRank) ||
                (bOwnSuitOnly && card.GetSuit() != nSuit))
                continue;
            CRect rc;
            pDoc->GetCardRect(f, s, rc);
            if (s == nTop) {
                areas.push_back(rc);
            } else {
                areas.push_back(CRect(rc.left, rc.top, rc.right, rc.top + kSlotStepY));
                areas.push_back(
                    CRect(rc.left, rc.top + kSlotStepY, rc.left + kSlotStepX, rc.bottom));
            }
        }
    }
    // Only the named card's own suit has a foundation partner.
    const int nHome = FoundationPileOfSuit(nSuit);
    if (IsFoundationPile(nHome)) {
        const CCard top = pDoc->GetTopCard(nHome);
        if (top.HasCard() && AreNeighbours(top.GetRank(), nRank))
            areas.push_back(pDoc->GetPileArea(nHome));
    }
    return areas;
}

void CQuenlowView::HighlightPartners() {
    std::unique_ptr<IDrawContext> pDC = m_platform.GetClientDC(GetSafeHwnd());
    if (!pDC) return;
    for (const CRect& rc : GetPartnerAreas())
        pDC->InvertRect(rc);
}

void CQuenlowView::OnRButtonDown(unsigned, CPoint point) {
    EndStaleGestures();
    ShowFocusFrame(FALSE);
    // The right button waits while a card is named or dragged.
    if (g_bNaming || g_bDragging || !PickCardAt(point)) return;
    const std::string strName = CardName(g_namedCard.GetSuit(), g_namedCard.GetRank());
    g_szCardName[strName.copy(g_szCardName, sizeof g_szCardName - 1)] = '\0';
    m_platform.SetStatusText(g_szCardName);
    HighlightPartners();
    m_invertedAreas = GetPartnerAreas();
    m_platform.SetCapture(GetSafeHwnd());
    g_bNaming = TRUE;
}

void CQuenlowView::OnRButtonUp(unsigned, CPoint) {
    if (m_platform.GetCapture() != GetSafeHwnd() || !g_bNaming) return;
    EndNaming();
}

void CQuenlowView::EndNaming() {
    if (!g_bNaming) return;
    m_platform.SetStatusText("");
    // Repainted from the document, not inverted back: a repaint during the naming may
    // already have removed some of the inversion.
    for (const CRect& rc : m_invertedAreas)
        m_platform.InvalidateRect(GetSafeHwnd(), &rc, FALSE);
    m_invertedAreas.clear();
    // Cleared before the capture goes, so the capture-changed notice finds nothing to end.
    g_bNaming = FALSE;
    if (m_platform.GetCapture() == GetSafeHwnd()) m_platform.ReleaseCapture();
}
