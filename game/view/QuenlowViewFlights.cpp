#include "QuenlowView.h"

#include "ViewGestureState.h"
#include "resource.h"

CRect CQuenlowView::GetDealPoint() const {
    CRect rc;
    if (const CQuenlowDoc* pDoc = GetDocument()) pDoc->GetCardRect(14, 0, rc);
    return CRect(rc.left + 20, rc.top + 50, rc.right + 20, rc.bottom + 50);
}

void CQuenlowView::FlyCard(CBitmap* pFace, CRect& rcSrc, const CRect& rcDst, int nSteps,
                           BOOL bArrival) {
    if (pFace == nullptr) return;
    CPacedAnimation flight(m_pace);
    const int cx = rcSrc.Width();
    const int cy = rcSrc.Height();
    SetDragImage(*pFace);
    // The image's top-left is the card's; a flight without an image still lands the card.
    m_platform.BeginDrag(g_dragImage, 0, CPoint(0, 0));
    m_platform.DragEnter(GetSafeHwnd(), rcSrc.TopLeft());
    if (!bArrival) m_platform.PlaySound(IDW_DEAL, kSndResource | kSndNoDefault | kSndAsync);
    for (CStepPath path(rcSrc.TopLeft(), rcDst.TopLeft(), nSteps); !path.AtEnd();) {
        m_pace.WaitForStep();
        m_platform.DragMove(path.Current());
        path.Advance();
        const CPoint pt = path.Current();
        rcSrc = CRect(pt.x, pt.y, pt.x + cx, pt.y + cy);
    }
    m_platform.EndDrag();
    // A missing sound stays silent; play never stops the game.
    if (bArrival)
        m_platform.PlaySound(IDW_CARD_DOWN, kSndResource | kSndNoDefault | kSndAsync);
    else
        m_platform.PlaySound(0, 0);
    if (std::unique_ptr<IDrawContext> pDC = m_platform.GetClientDC(GetSafeHwnd()))
        pDC->BlitBitmap(*pFace, rcDst.left, rcDst.top, rcDst.Width(), rcDst.Height());
}

void CQuenlowView::FlyDealtCard(int nFan, int nSlot) {
    CQuenlowDoc& doc = *GetDocument();
    CRect rcFrom = GetDealPoint();
    CRect rcTo;
    doc.GetCardRect(nFan, nSlot, rcTo);
    FlyCard(doc.GetCard(nFan, nSlot).GetFace(), rcFrom, rcTo, kDealFlightSteps, FALSE);
}

void CQuenlowView::FlyBetweenSlots(int nFan, int nFromSlot, int nToSlot) {
    CQuenlowDoc& doc = *GetDocument();
    CRect rcFrom;
    CRect rcTo;
    doc.GetCardRect(nFan, nFromSlot, rcFrom);
    doc.GetCardRect(nFan, nToSlot, rcTo);
    FlyCard(doc.GetCard(nFan, nToSlot).GetFace(), rcFrom, rcTo, kFixUpFlightSteps, TRUE);
}

// The two cards have already changed places in the fan: each flies from its old slot to its
// new one, and a card lying above them is drawn again on top.
void CQuenlowView::FlyKingExchange(int nFan, int nLowerSlot) {
    FlyBetweenSlots(nFan, nLowerSlot + 1, nLowerSlot);
    FlyBetweenSlots(nFan, nLowerSlot, nLowerSlot + 1);
    if (nLowerSlot == 0 && IsDealtSlot(nFan, 2)) FlyBetweenSlots(nFan, 1, 2);
}

void CQuenlowView::AnimateDeal() {
    CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr) return;
    // One schedule for every flight: the deal keeps its pace however long a single step took.
    CPacedAnimation deal(m_pace);
    // Slot by slot across the table, not in the order the deal filled the fans.
    for (int s = 0; s < kFanSlots; ++s)
        for (int f = 0; f < kFanCount; ++f)
            if (IsDealtSlot(f, s)) FlyDealtCard(f, s);
    pDoc->FixUpKings([this](int nFan, int nLowerSlot) { FlyKingExchange(nFan, nLowerSlot); });
    NotifyChangedNames();
}
