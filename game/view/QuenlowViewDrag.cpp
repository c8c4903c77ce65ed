#include "QuenlowView.h"

#include "ViewGestureState.h"

BOOL CQuenlowView::IsOverTopCard(CPoint point) const {
    const CQuenlowDoc* pDoc = GetDocument();
    return pDoc != nullptr && pDoc->FanWithTopCardAt(point) >= 0 ? TRUE : FALSE;
}

void CQuenlowView::SetDragImage(const CBitmap& face) {
    // The drag image is only a picture: when the list cannot be made or filled, the card
    // still moves, unseen while it travels, so these results are deliberately not acted on.
    if (!g_bDragImageMade) {
        g_dragImage = m_platform.ImageListCreate(kCardWidth, kCardHeight, 10);
        if (g_dragImage == 0) return;
        g_bDragImageMade = TRUE;
        m_platform.ImageListAdd(g_dragImage, face);
        return;
    }
    // Image 0 is missing only when the first add failed; this face becomes image 0 then.
    if (!m_platform.ImageListReplace(g_dragImage, 0, face))
        m_platform.ImageListAdd(g_dragImage, face);
}

void CQuenlowView::EndStaleGestures() {
    if ((g_bDragging || g_bNaming) && m_platform.GetCapture() != GetSafeHwnd()) OnCancelMode();
}

void CQuenlowView::OnLButtonDown(unsigned, CPoint point) {
    EndStaleGestures();
    // A press while a drag is on means its release was lost (Wine loses one made outside the
    // window after the menu bar was entered with the keyboard): the card goes back, as from a
    // drop outside, rather than to wherever this press is released.
    CancelDrag();
    ShowFocusFrame(FALSE);
    CQuenlowDoc* pDoc = GetDocument();
    // A change still waiting for its idle step, or a naming, holds the left button off.
    if (pDoc == nullptr || pDoc->IsChanged() || g_bNaming) return;
    const int nFan = pDoc->FanWithTopCardAt(point);
    if (nFan < 0 || !LiftCard(nFan, point)) return;
    m_platform.SetCursor(m_hGrabCursor);
    m_bGrabShown = TRUE;
    m_bHandShown = FALSE;
    m_platform.SetCapture(GetSafeHwnd());
    ShowDragImage(point);
}

BOOL CQuenlowView::LiftCard(int nFan, CPoint point) {
    CQuenlowDoc* pDoc = GetDocument();
    CBitmap* pFace = pDoc != nullptr ? pDoc->GetTopFace(nFan) : nullptr;
    if (pFace == nullptr) return FALSE;
    SetDragImage(*pFace);
    g_nPickedPile = nFan;
    g_prcLifted = &pDoc->GetTopCardRect(nFan);
    m_pLiftedFace = pFace;
    m_rcLifted = *g_prcLifted;
    const CRect& rc = m_rcLifted;
    if (std::unique_ptr<IDrawContext> pDC = m_platform.GetClientDC(GetSafeHwnd())) {
        FillCloth(*pDC, rc);
        if (CBitmap* pUnder = pDoc->GetUnderFace(nFan))
            pDC->BlitBitmap(*pUnder, rc.left - kSlotStepX, rc.top - kSlotStepY, rc.Width(),
                            rc.Height());
    }
    // The image is placed by the point, so it covers the card exactly at the grab offset.
    g_ptHotspot = CPoint(point.x - rc.left, point.y - rc.top);
    return TRUE;
}

void CQuenlowView::ShowDragImage(CPoint point) {
    // Without a drag image the drag goes on: the card still moves at the release.
    m_platform.BeginDrag(g_dragImage, 0, g_ptHotspot);
    g_bDragging = TRUE;
    m_platform.DragEnter(GetSafeHwnd(), point);
    m_ptDragImage = point;
}

void CQuenlowView::OnMouseMove(unsigned, CPoint point) {
    if (m_platform.GetCapture() == GetSafeHwnd() && g_bDragging) {
        if (!m_bGrabShown) {
            m_platform.SetCursor(m_hGrabCursor);
            m_bGrabShown = TRUE;
        }
        m_platform.DragMove(point);
        m_ptDragImage = point;
        return;
    }
    if (IsOverTopCard(point)) {
        if (!m_bHandShown) {
            m_bHandShown = TRUE;
            m_platform.SetCursor(m_hHandCursor);
        }
        return;
    }
    if (m_bHandShown || m_bGrabShown) {
        m_bHandShown = m_bGrabShown = FALSE;
        m_platform.SetCursor(m_hArrowCursor);
    }
    if (m_platform.GetCursor() != m_hArrowCursor) m_platform.SetCursor(m_hArrowCursor);
}

BOOL CQuenlowView::OnSetCursor(int nHitTest, unsigned) {
    if (nHitTest == kHitTestClient) return TRUE;
    m_bHandShown = m_bGrabShown = FALSE;
    return FALSE;
}

CRect CQuenlowView::GetLandingRect(int nFrom, int nDest) const {
    const CQuenlowDoc& doc = *GetDocument();
    if (nDest == nFrom) return doc.GetTopCardRect(nFrom);
    // A foundation's place is the same for every slot.
    CRect rc;
    doc.GetCardRect(nDest, doc.GetCardCount(nDest), rc);
    return rc;
}

void CQuenlowView::OnLButtonUp(unsigned, CPoint point) {
    if (m_platform.GetCapture() != GetSafeHwnd() || !g_bDragging) return;
    LandDraggedCard(point, DropTarget(point));
}

void CQuenlowView::LandDraggedCard(CPoint point, int nTarget) {
    CQuenlowDoc* pDoc = GetDocument();
    int nFrom = g_nPickedPile;
    if (pDoc == nullptr || pDoc->GetTopFace(nFrom) != m_pLiftedFace) {
        CancelDrag();
        return;
    }
    int nDest = ResolveDrop(nFrom, nTarget);
    CRect rcLand = GetLandingRect(nFrom, nDest);
    GlideDragImage(point, CPoint(rcLand.left + g_ptHotspot.x, rcLand.top + g_ptHotspot.y),
                   kGlideSteps);
    if (nDest != nFrom)
        pDoc->MoveCard(nFrom, nDest);
    else
        m_platform.InvalidateRect(GetSafeHwnd(), &m_rcLifted, TRUE);
    m_platform.EndDrag();
    g_bDragging = FALSE;
    g_prcLifted = nullptr;
    m_pLiftedFace = nullptr;
    m_bHeldByKeys = FALSE;
    if (m_platform.GetCapture() == GetSafeHwnd()) m_platform.ReleaseCapture();
    NotifyChangedNames();
}

void CQuenlowView::CancelDrag() {
    if (!g_bDragging) return;
    m_platform.EndDrag();
    // Cleared before the capture goes, so the capture-changed notice finds nothing to end.
    g_bDragging = FALSE;
    g_prcLifted = nullptr;
    m_pLiftedFace = nullptr;
    m_bHeldByKeys = FALSE;
    m_platform.InvalidateRect(GetSafeHwnd(), &m_rcLifted, TRUE);
    if (m_platform.GetCapture() == GetSafeHwnd()) m_platform.ReleaseCapture();
}

void CQuenlowView::OnCancelMode() {
    CancelDrag();
    EndNaming();
}

void CQuenlowView::OnCaptureChanged(WindowRef hNewCapture) {
    if (hNewCapture != GetSafeHwnd()) OnCancelMode();
}

void CQuenlowView::GlideDragImage(CPoint ptFrom, CPoint ptTo, int nSteps) {
    CPacedAnimation glide(m_pace);
    for (CStepPath path(ptFrom, ptTo, nSteps); !path.AtEnd();) {
        path.Advance();
        m_pace.WaitForStep();
        m_platform.DragMove(path.Current());
    }
}
