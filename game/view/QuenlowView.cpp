#include "QuenlowView.h"

#include "ViewGestureState.h"
#include "resource.h"

#include <algorithm>

namespace {
bool Intersects(const CRect& a, const CRect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// A bitmap's own size within the place it is copied to: the empty-suit markers are two rows
// shorter than a card, and the cloth painted beneath shows there.
void BlitInto(IDrawContext& dc, const CBitmap& bm, const CRect& rc) {
    int cx = bm.GetWidth() > 0 ? std::min(bm.GetWidth(), rc.Width()) : rc.Width();
    int cy = bm.GetHeight() > 0 ? std::min(bm.GetHeight(), rc.Height()) : rc.Height();
    dc.BlitBitmap(bm, rc.left, rc.top, cx, cy);
}
} // namespace

CQuenlowView::CQuenlowView(IPlatform& platform) : CView(platform), m_pace(platform) {
    m_bHavePattern = m_bmPattern.LoadBitmap(m_platform, IDB_PATTERN);
    // A cursor that cannot be loaded stays null: setting it shows no cursor, nothing else.
    m_hHandCursor = m_platform.LoadCursor(IDC_OPENHAND);
    m_hGrabCursor = m_platform.LoadCursor(IDC_CLOSEDHAND);
    m_hArrowCursor = m_platform.LoadArrowCursor();
    m_bHandShown = m_bGrabShown = FALSE;
    m_platform.SetCursor(m_hArrowCursor);
}

CQuenlowView::~CQuenlowView() {
    // The gesture state outlives the view; leave none of it pointing into the document.
    if (g_bDragging || g_bNaming) OnCancelMode();
    m_bmPattern.DeleteObject();
}

CQuenlowDoc* CQuenlowView::GetDocument() const {
    return dynamic_cast<CQuenlowDoc*>(CView::GetDocument());
}

BOOL CQuenlowView::OnEraseBkgnd() {
    return TRUE;
}

void CQuenlowView::OnUpdate(CView*, long, void*) {
    m_platform.InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    NotifyChangedNames();
}

void CQuenlowView::FillCloth(IDrawContext& dc, const CRect& rc) const {
    if (m_bHavePattern)
        dc.FillPattern(rc, m_bmPattern);
    else
        dc.FillSolid(rc, kClothColour);
}

void CQuenlowView::OnDraw(IDrawContext& dc) {
    // Painting outside the clip box shows nothing, so the cloth covers just that part.
    CRect rcClip = dc.GetClipBox();
    FillCloth(dc, rcClip);
    CQuenlowDoc* pDoc = GetDocument();
    if (pDoc == nullptr) return;
    PaintFoundations(dc, *pDoc, rcClip);
    if (!pDoc->IsDealPending()) PaintFans(dc, *pDoc, rcClip);
    if (m_bFocusShown && m_nFocusPile >= 0) dc.DrawFocusRect(GetFocusFrame(m_nFocusPile));
}

void CQuenlowView::PaintFoundations(IDrawContext& dc, const CQuenlowDoc& doc,
                                    const CRect& rcClip) const {
    for (int p = kFanCount; p < kPileCount; ++p) {
        CRect rc;
        doc.GetCardRect(p, 0, rc);
        if (!Intersects(rc, rcClip)) continue;
        const CCard card = doc.GetTopCard(p);
        BlitInto(dc, card.HasCard() ? *card.GetFace() : doc.GetEmptyFoundationFace(p), rc);
    }
}

void CQuenlowView::PaintFans(IDrawContext& dc, const CQuenlowDoc& doc, const CRect& rcClip) const {
    for (int f = 0; f < kFanCount; ++f) {
        // Bottom card first: each higher card covers the one beneath but for its strips.
        for (int s = 0; s < doc.GetCardCount(f); ++s) {
            CRect rc;
            doc.GetCardRect(f, s, rc);
            if (Intersects(rc, rcClip)) BlitInto(dc, *doc.GetCard(f, s).GetFace(), rc);
        }
    }
}
