#include "QuenlowView.h"

#include "PileFocus.h"
#include "ViewGestureState.h"

namespace {
// The frame lies just outside the pile's area, clear of every card drawn there.
constexpr int kFocusFrameMargin = 2;

bool StepOfKey(unsigned nChar, unsigned nFlags, ENavigation& step) {
    switch (nChar) {
    case kKeyTab:
        step = (nFlags & kKeyFlagShift) != 0 ? ENavigation::Previous : ENavigation::Next;
        return true;
    case kKeyHome:
        step = ENavigation::First;
        return true;
    case kKeyEnd:
        step = ENavigation::Last;
        return true;
    case kKeyLeft:
        step = ENavigation::Left;
        return true;
    case kKeyRight:
        step = ENavigation::Right;
        return true;
    case kKeyUp:
        step = ENavigation::Up;
        return true;
    case kKeyDown:
        step = ENavigation::Down;
        return true;
    default:
        return false;
    }
}
} // namespace

BOOL CQuenlowView::CanTakeKeys() const {
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr || pDoc->IsChanged() || g_bNaming) return FALSE;
    return !g_bDragging || m_bHeldByKeys;
}

void CQuenlowView::OnKeyDown(unsigned nChar, unsigned, unsigned nFlags) {
    if (nChar == kKeyEscape) {
        // A drag of the mouse holds the capture; one of the keys does not.
        const BOOL bOurs = m_bHeldByKeys || m_platform.GetCapture() == GetSafeHwnd();
        if (g_bDragging && bOurs) LandDraggedCard(m_ptDragImage, -1);
        return;
    }
    // Keys with Ctrl belong to the accelerators and the system.
    if ((nFlags & kKeyFlagControl) != 0 || !CanTakeKeys()) return;
    ENavigation step = ENavigation::Next;
    if (StepOfKey(nChar, nFlags, step)) {
        MoveFocus(StepFrom(m_nFocusPile, step));
        return;
    }
    // A held Space or Enter acts once: its repeats would let the card go where it was lifted.
    if ((nChar != kKeyReturn && nChar != kKeySpace) || (nFlags & kKeyFlagRepeat) != 0) return;
    ShowFocusFrame(TRUE);
    if (m_nFocusPile < 0) return;
    if (nChar == kKeySpace || m_bHeldByKeys)
        PickUpOrLetGo();
    else
        ClickWithKeys(m_nFocusPile);
}

void CQuenlowView::MoveFocus(int nPile) {
    const BOOL bMoved = nPile != m_nFocusPile;
    if (bMoved && m_bFocusShown) InvalidateFocusFrame();
    m_nFocusPile = nPile;
    if (bMoved || !m_bFocusShown) {
        m_bFocusShown = TRUE;
        InvalidateFocusFrame();
    }
    // Painted before the held card's image moves, so the image never keeps a stale frame.
    m_platform.PaintNow(GetSafeHwnd());
    if (m_bHeldByKeys && g_bDragging) {
        const CRect rcLand = GetLandingRect(g_nPickedPile, m_nFocusPile);
        m_ptDragImage = CPoint(rcLand.left + g_ptHotspot.x, rcLand.top + g_ptHotspot.y);
        m_platform.DragMove(m_ptDragImage);
    }
    if (bMoved) m_platform.NotifyAccessibleEvent(GetSafeHwnd(), EAccessibleEvent::Focus, nPile + 1);
}

void CQuenlowView::ShowFocusFrame(BOOL bShow) {
    if (m_bFocusShown == bShow) return;
    m_bFocusShown = bShow;
    InvalidateFocusFrame();
    m_platform.PaintNow(GetSafeHwnd());
}

CRect CQuenlowView::GetFocusFrame(int nPile) const {
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr || nPile < 0 || nPile >= kPileCount) return CRect();
    const CRect rc = pDoc->GetPileArea(nPile);
    return CRect(rc.left - kFocusFrameMargin, rc.top - kFocusFrameMargin,
                 rc.right + kFocusFrameMargin, rc.bottom + kFocusFrameMargin);
}

void CQuenlowView::InvalidateFocusFrame() {
    const CRect rc = GetFocusFrame(m_nFocusPile);
    if (rc.IsRectEmpty()) return;
    // Only the frame's edges: the cards inside are not painted again.
    const CRect edges[] = {CRect(rc.left, rc.top, rc.right, rc.top + 1),
                           CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom),
                           CRect(rc.left, rc.top, rc.left + 1, rc.bottom),
                           CRect(rc.right - 1, rc.top, rc.right, rc.bottom)};
    for (const CRect& edge : edges)
        m_platform.InvalidateRect(GetSafeHwnd(), &edge, FALSE);
}

BOOL CQuenlowView::LiftWithKeys(int nFan) {
    const CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr || nFan < 0 || nFan >= kFanCount) return FALSE;
    // Grabbed at its corner, the image lies on the card and then on each landing place.
    const CPoint ptCorner = pDoc->GetTopCardRect(nFan).TopLeft();
    if (!LiftCard(nFan, ptCorner)) return FALSE;
    ShowDragImage(ptCorner);
    return TRUE;
}

BOOL CQuenlowView::ClickWithKeys(int nFan) {
    if (!CanTakeKeys() || g_bDragging || !LiftWithKeys(nFan)) return FALSE;
    LandDraggedCard(m_ptDragImage, nFan);
    return TRUE;
}

void CQuenlowView::PickUpOrLetGo() {
    if (m_bHeldByKeys && g_bDragging) {
        LandDraggedCard(m_ptDragImage, m_nFocusPile);
        return;
    }
    if (!LiftWithKeys(m_nFocusPile)) return;
    m_bHeldByKeys = TRUE;
    m_platform.NotifyAccessibleEvent(GetSafeHwnd(), EAccessibleEvent::Selection, m_nFocusPile + 1);
}

void CQuenlowView::OnSetFocus() {
    if (m_nFocusPile >= 0)
        m_platform.NotifyAccessibleEvent(GetSafeHwnd(), EAccessibleEvent::Focus, m_nFocusPile + 1);
}

void CQuenlowView::OnKillFocus() {
    // A card held by the keys goes back when they go elsewhere.
    if (m_bHeldByKeys) CancelDrag();
}
