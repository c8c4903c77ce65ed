#include "QuenlowView.h"

#include "PileFocus.h"
#include "ViewGestureState.h"

namespace {
bool IsPileChild(int nChild) {
    return nChild >= 1 && nChild <= kPileCount;
}
} // namespace

std::string CQuenlowView::GetPileName(int nPile) const {
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr || nPile < 0 || nPile >= kPileCount) return std::string();
    std::string name;
    std::string cards;
    if (nPile < kFanCount) {
        name = "Fan " + std::to_string(nPile + 1) + ": ";
        // From the top card down, as a reader meets them.
        for (int s = pDoc->GetCardCount(nPile) - 1; s >= 0; --s) {
            const CCard card = pDoc->GetCard(nPile, s);
            if (!cards.empty()) cards += ", ";
            cards += CardName(card.GetSuit(), card.GetRank());
        }
    } else {
        const char* pszSuit = SuitName(kFoundationSuitsByPile[nPile - kFanCount]);
        name = std::string(pszSuit ? pszSuit : "") + " foundation: ";
        const CCard card = pDoc->GetTopCard(nPile);
        if (card.HasCard()) cards = CardName(card.GetSuit(), card.GetRank());
    }
    return name + (cards.empty() ? "empty" : cards);
}

void CQuenlowView::NotifyChangedNames() {
    m_pileNames.resize(kPileCount);
    for (int p = 0; p < kPileCount; ++p) {
        std::string name = GetPileName(p);
        if (name == m_pileNames[p]) continue;
        m_pileNames[p] = std::move(name);
        m_platform.NotifyAccessibleEvent(GetSafeHwnd(), EAccessibleEvent::NameChange, p + 1);
    }
}

int CQuenlowView::StepFrom(int nPile, ENavigation step) const {
    CPoint centres[kPileCount];
    for (int p = 0; p < kPileCount; ++p) {
        const CRect rc = GetChildArea(p + 1);
        centres[p] = CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    return StepFocus(centres, kPileCount, nPile, step);
}

std::string CQuenlowView::GetAccessibleName() const {
    return "Table";
}

std::string CQuenlowView::GetChildName(int nChild) const {
    return IsPileChild(nChild) ? GetPileName(nChild - 1) : std::string();
}

CRect CQuenlowView::GetChildArea(int nChild) const {
    const CQuenlowDoc* pDoc = GetDocument();
    return pDoc != nullptr && IsPileChild(nChild) ? pDoc->GetPileArea(nChild - 1) : CRect();
}

int CQuenlowView::GetFocusedChild() const {
    return m_nFocusPile + 1;
}

int CQuenlowView::GetSelectedChild() const {
    return m_bHeldByKeys && g_bDragging ? g_nPickedPile + 1 : 0;
}

int CQuenlowView::GetChildAt(CPoint point) const {
    for (int nChild = 1; nChild <= kPileCount; ++nChild)
        if (GetChildArea(nChild).PtInRect(point)) return nChild;
    return 0;
}

int CQuenlowView::NavigateChild(int nFrom, ENavigation step) const {
    // From the table itself only its first and last children are reached.
    if (!IsPileChild(nFrom) && step != ENavigation::First && step != ENavigation::Last) return 0;
    return StepFrom(nFrom - 1, step) + 1;
}

std::string CQuenlowView::GetDefaultAction(int nChild) const {
    const CQuenlowDoc* pDoc = GetDocument();
    const bool bTopCard = pDoc != nullptr && IsPileChild(nChild) && nChild <= kFanCount &&
                          pDoc->GetCardCount(nChild - 1) > 0;
    return bTopCard ? "Move" : std::string();
}

BOOL CQuenlowView::DoDefaultAction(int nChild) {
    return GetDefaultAction(nChild).empty() ? FALSE : ClickWithKeys(nChild - 1);
}
