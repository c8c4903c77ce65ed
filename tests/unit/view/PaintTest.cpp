#include "ViewTestSupport.h"

#include "resource.h"

#include <set>

namespace {
class PaintTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        SetTable({"QH TC 5D", "", "7S", "2C 9H"}, {"3S"});
    }

    // The parts of a fan slot that stay visible under the slot above it.
    CRect TopStrip(int f, int s) const {
        CRect rc = CardRect(f, s);
        return CRect(rc.left, rc.top, rc.right, rc.top + 14);
    }
    CRect LeftStrip(int f, int s) const {
        CRect rc = CardRect(f, s);
        return CRect(rc.left, rc.top + 14, rc.left + 10, rc.bottom);
    }
    void ExpectFoundationsPainted() {
        const CRect& rcHearts = m_pDoc->GetPileArea(kPileHearts);
        EXPECT_EQ(WhatFills(CRect(522, 18, 582, 98)), "empty-H");
        EXPECT_EQ(WhatFills(CRect(522, 98, 582, 100)), "cloth") << "two rows under the marker";
        EXPECT_EQ(rcHearts, CRect(522, 18, 582, 100));
        EXPECT_EQ(WhatFills(CRect(522, 111, 582, 191)), "empty-C");
        EXPECT_EQ(WhatFills(CRect(522, 204, 582, 284)), "empty-D");
        EXPECT_EQ(WhatFills(CRect(522, 284, 582, 286)), "cloth");
        EXPECT_EQ(WhatFills(CRect(522, 297, 582, 379)), "3S");
        EXPECT_EQ(WhatFills(CRect(522, 100, 582, 111)), "cloth");
    }
    void ExpectFansPainted() {
        EXPECT_EQ(WhatFills(CardRect(0, 2)), "5D");
        EXPECT_EQ(WhatFills(TopStrip(0, 1)), "TC");
        EXPECT_EQ(WhatFills(LeftStrip(0, 1)), "TC");
        EXPECT_EQ(WhatFills(TopStrip(0, 0)), "QH");
        EXPECT_EQ(WhatFills(LeftStrip(0, 0)), "QH");
        EXPECT_EQ(WhatFills(CRect(70, 14, 94, 28)), "cloth") << "beside the bottom card";
        EXPECT_EQ(WhatFills(CRect(90, 0, 178, 138)), "cloth") << "the empty fan 1";
        CRect rc = CardRect(2, 0);
        EXPECT_EQ(WhatFills(rc), "7S");
        EXPECT_EQ(WhatFills(CRect(rc.right, rc.top, rc.right + 20, rc.bottom + 28)), "cloth");
        EXPECT_EQ(WhatFills(CRect(rc.left, rc.bottom, rc.right, rc.bottom + 28)), "cloth");
        EXPECT_EQ(WhatFills(CardRect(3, 1)), "9H");
        EXPECT_EQ(WhatFills(TopStrip(3, 0)), "2C");
        EXPECT_EQ(WhatFills(CRect(10, 138, 510, 372)), "cloth") << "the two empty rows";
    }
};
} // namespace

TEST_F(PaintTest, PaintsClothFoundationsAndFansBottomUp) {
    PaintAll();
    EXPECT_TRUE(m_pTable->m_bHavePattern);
    ExpectFoundationsPainted();
    ExpectFansPainted();
    EXPECT_EQ(WhatFills(CRect(582, 0, kViewWidth, kViewHeight)), "cloth");
}

TEST_F(PaintTest, WithoutThePatternTheClothIsThePlainColour) {
    m_platform.RemoveBitmapResource(IDB_PATTERN);
    RecreateView();
    EXPECT_FALSE(m_pTable->m_bHavePattern);
    PaintAll();
    ExpectFoundationsPainted();
    ExpectFansPainted();
    EXPECT_EQ(Canvas().At(0, 0), kClothColour);
    EXPECT_EQ(Canvas().At(1, 0), kClothColour);
    EXPECT_EQ(Canvas().At(530, 99), kClothColour);
}

TEST_F(PaintTest, DealPendingShowsOnlyClothAndFoundations) {
    // A deal waiting for its animation, over the same table.
    m_pDoc->Deal();
    SetTable({"QH TC 5D", "", "7S", "2C 9H"}, {"3S"});
    PaintAll();
    ExpectFoundationsPainted();
    EXPECT_EQ(WhatFills(CRect(0, 0, 512, kViewHeight)), "cloth");
}

TEST_F(PaintTest, EmptyFoundationsShowTheirOwnSuitsMarker) {
    SetTable({}, {});
    PaintAll();
    EXPECT_EQ(WhatIsAt(540, 50), "empty-H");
    EXPECT_EQ(WhatIsAt(540, 150), "empty-C");
    EXPECT_EQ(WhatIsAt(540, 250), "empty-D");
    EXPECT_EQ(WhatIsAt(540, 350), "empty-S");
    // Each marker names its own resource id.
    std::set<int> markers;
    for (const CBlitRecord& blit : m_platform.m_blits)
        markers.insert(m_platform.ResourceIdOf(blit.hBitmap));
    EXPECT_EQ(markers, (std::set<int>{IDB_EMPTY_CLUBS, IDB_EMPTY_DIAMONDS, IDB_EMPTY_HEARTS,
                                      IDB_EMPTY_SPADES}));
}

TEST_F(PaintTest, AFoundationCardReplacedByItsMarkerLeavesNoCardRows) {
    PaintAll();
    EXPECT_EQ(WhatIsAt(540, 378), "3S");
    SetTable({}, {});
    PaintAll();
    EXPECT_EQ(WhatFills(CRect(522, 297, 582, 377)), "empty-S");
    EXPECT_EQ(WhatFills(CRect(522, 377, 582, 379)), "cloth");
}

TEST_F(PaintTest, PaintsOnlyWhatTheClipBoxNeeds) {
    PaintAll();
    CRgbImage before = Canvas();
    // Scribble over fan 2, then repaint just its card.
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x)
            Canvas().Set(x, y, CRgb{1, 2, 3});
    m_platform.m_blits.clear();
    CRect rcClip = CardRect(2, 0);
    m_platform.Paint(*m_pTable, &rcClip);
    ASSERT_EQ(m_platform.m_blits.size(), 1u) << "only the card inside the clip box is copied";
    EXPECT_EQ(m_platform.ResourceIdOf(m_platform.m_blits[0].hBitmap),
              CDeck::FaceResourceId(kSpades, 6));
    EXPECT_EQ(WhatFills(rcClip), "7S");
    EXPECT_EQ(Canvas().At(rcClip.left - 1, rcClip.top), (CRgb{1, 2, 3}));

    // A clip across a fan's strips copies every card that shows there, bottom first.
    m_platform.m_blits.clear();
    CRect rcStrips(10, 14, 40, 60);
    m_platform.Paint(*m_pTable, &rcStrips);
    ASSERT_EQ(m_platform.m_blits.size(), 3u);
    EXPECT_EQ(m_platform.m_blits[0].y, 14);
    EXPECT_EQ(m_platform.m_blits[2].y, 42);
    for (int y = rcStrips.top; y < rcStrips.bottom; ++y)
        for (int x = rcStrips.left; x < rcStrips.right; ++x)
            ASSERT_EQ(Canvas().At(x, y), before.At(x, y)) << x << "," << y;
}

TEST_F(PaintTest, RepaintRequestsInvalidateTheWholeViewAndEraseNothing) {
    m_pDoc->UpdateAllViews(nullptr);
    ASSERT_EQ(m_platform.m_invalidations.size(), 1u);
    EXPECT_EQ(m_platform.m_invalidations[0].hView, m_hView);
    EXPECT_TRUE(m_platform.m_invalidations[0].bWhole);
    EXPECT_TRUE(m_platform.m_invalidations[0].bErase);
    // The background is left to OnDraw, so the platform must not erase it.
    EXPECT_TRUE(m_pTable->OnEraseBkgnd());
}

TEST_F(PaintTest, ConstructionLoadsCursorsAndPatternAndShowsTheArrow) {
    EXPECT_EQ(m_pTable->m_hHandCursor, CHeadlessPlatform::CursorHandle(IDC_OPENHAND));
    EXPECT_EQ(m_pTable->m_hGrabCursor, CHeadlessPlatform::CursorHandle(IDC_CLOSEDHAND));
    EXPECT_EQ(m_pTable->m_hArrowCursor, CHeadlessPlatform::kArrowCursor);
    EXPECT_EQ(m_platform.GetCursor(), CHeadlessPlatform::kArrowCursor);
    EXPECT_FALSE(m_pTable->m_bHandShown);
    EXPECT_FALSE(m_pTable->m_bGrabShown);

    PlatformHandle hPattern = m_pTable->m_bmPattern.GetSafeHandle();
    ASSERT_NE(m_platform.FindBitmap(hPattern), nullptr);
    m_platform.RemoveCursorResource(IDC_OPENHAND);
    RecreateView();
    EXPECT_EQ(m_platform.FindBitmap(hPattern), nullptr) << "the old view freed its pattern";
    EXPECT_EQ(m_pTable->m_hHandCursor, 0u);
    EXPECT_NE(m_pTable->m_hGrabCursor, 0u);
}
