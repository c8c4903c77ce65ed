// Stands in for the table view until it is part of the build: paints the table plainly and
// finishes a deal with its King fix-up.
#include "QuenlowDoc.h"
#include "TableView.h"
#include "resource.h"

namespace {
class CPlaceholderView : public CView, public IDealAnimation {
public:
    explicit CPlaceholderView(IPlatform& platform) : CView(platform) {
        m_bHavePattern = m_bmPattern.LoadBitmap(platform, IDB_PATTERN);
    }
    BOOL OnEraseBkgnd() override { return TRUE; }
    void OnDraw(IDrawContext& dc) override;
    void AnimateDeal() override {
        auto* pDoc = static_cast<CQuenlowDoc*>(GetDocument());
        FixUpKings(pDoc->m_fan, nullptr);
        m_platform.InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
    }

private:
    BOOL m_bHavePattern = FALSE;
    CBitmap m_bmPattern;
};

void CPlaceholderView::OnDraw(IDrawContext& dc) {
    auto* pDoc = static_cast<CQuenlowDoc*>(GetDocument());
    CRect rcAll(0, 0, 4096, 4096);
    if (m_bHavePattern)
        dc.FillPattern(rcAll, m_bmPattern);
    else
        dc.FillSolid(rcAll, CRgb{0, 200, 100});
    for (int nPile = kPileHearts; nPile <= kPileSpades; ++nPile) {
        const CRect& rc = pDoc->GetFoundationRect(nPile);
        const CCard& card = pDoc->GetFoundation(nPile);
        const CBitmap& bm =
            card.HasCard() ? *card.GetFace() : pDoc->GetEmptyFoundationBitmap(nPile);
        dc.BlitBitmap(bm, rc.left, rc.top, rc.Width(), rc.Height());
    }
    if (pDoc->m_bDealPending) return;
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots && pDoc->m_fan[f][s].HasCard(); ++s) {
            CRect rc;
            pDoc->GetCardRect(f, s, rc);
            dc.BlitBitmap(*pDoc->m_fan[f][s].GetFace(), rc.left, rc.top, rc.Width(), rc.Height());
        }
    }
}
} // namespace

std::unique_ptr<CView> CreateTableView(IPlatform& platform) {
    return std::make_unique<CPlaceholderView>(platform);
}
