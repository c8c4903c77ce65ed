#include "ViewTestSupport.h"

#include "ViewGestureState.h"

namespace {
class NamingTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        SetTable({"JS QH", "KC 4D JD", "4C", "6C 2H", "4S", "6D KD"}, {"JH", "5C"});
        PaintAll();
        m_before = Canvas();
        m_platform.m_timeline.clear();
        m_nInvalidationsPainted = m_platform.m_invalidations.size();
    }
    void RightPress(CPoint pt) { m_pTable->OnRButtonDown(0, pt); }
    void RightRelease(CPoint pt) { m_pTable->OnRButtonUp(0, pt); }
    CRect TopStrip(int f, int s) const {
        CRect rc = CardRect(f, s);
        return CRect(rc.left, rc.top, rc.right, rc.top + 14);
    }
    CRect LeftStrip(int f, int s) const {
        CRect rc = CardRect(f, s);
        return CRect(rc.left, rc.top + 14, rc.left + 10, rc.bottom);
    }
    void ExpectNothingHappened() {
        EXPECT_FALSE(g_bNaming);
        EXPECT_EQ(m_platform.GetCapture(), 0u);
        EXPECT_TRUE(m_platform.m_timeline.empty());
        EXPECT_EQ(Canvas(), m_before);
    }
    // Ends the naming and lets the system repaint what the view asked for.
    void ReleaseAndRepaint(CPoint pt) {
        RightRelease(pt);
        PaintInvalidated();
    }

    CRgbImage m_before;
};

const CPoint kOnQueen(50, 70);  // fan 0's top card, the Queen of Hearts
const CPoint kOnFive(550, 150); // the Five of Clubs on its foundation
} // namespace

TEST_F(NamingTest, ACardOnAFanNamesItAndInvertsEveryNeighbourRank) {
    RightPress(kOnQueen);
    EXPECT_TRUE(g_bNaming);
    EXPECT_EQ(m_platform.GetCapture(), m_hView);
    EXPECT_EQ(m_platform.m_strStatus, "Queen of Hearts");
    EXPECT_STREQ(g_szCardName, "Queen of Hearts");
    EXPECT_EQ(g_nPickedPile, 0);
    // Jacks and Kings of every suit: whole when on top, the visible strips when covered.
    EXPECT_EQ(WhatFills(TopStrip(0, 0)), "~JS");
    EXPECT_EQ(WhatFills(LeftStrip(0, 0)), "~JS");
    EXPECT_EQ(WhatFills(TopStrip(1, 0)), "~KC");
    EXPECT_EQ(WhatFills(LeftStrip(1, 0)), "~KC");
    EXPECT_EQ(WhatFills(CardRect(1, 2)), "~JD");
    EXPECT_EQ(WhatFills(CardRect(5, 1)), "~KD");
    EXPECT_EQ(WhatFills(m_pDoc->GetPileArea(kPileHearts)), "~JH");
    // The card itself and the rest stay as they were.
    EXPECT_EQ(WhatFills(CardRect(0, 1)), "QH");
    EXPECT_EQ(WhatFills(TopStrip(1, 1)), "4D");
    EXPECT_EQ(WhatFills(CardRect(2, 0)), "4C");
    EXPECT_EQ(WhatFills(CRect(522, 111, 582, 193)), "5C");
    EXPECT_EQ(WhatFills(TopStrip(5, 0)), "6D");
    EXPECT_EQ(m_platform.Entries("invert").size(), 7u);
}

TEST_F(NamingTest, TheReleaseClearsThePaneAndRestoresTheTablePixelForPixel) {
    m_platform.SetStatusText("Game Over!");
    RightPress(kOnQueen);
    ReleaseAndRepaint(kOnQueen);
    EXPECT_EQ(m_platform.m_strStatus, "");
    EXPECT_FALSE(g_bNaming);
    EXPECT_EQ(m_platform.GetCapture(), 0u);
    EXPECT_EQ(Canvas(), m_before);
    EXPECT_TRUE(m_platform.m_sounds.empty()) << "naming is silent";
}

TEST_F(NamingTest, ARepaintDuringTheNamingLeavesNothingInvertedAfterIt) {
    RightPress(kOnQueen);
    CRect rcPart(0, 0, 120, 130); // another window uncovers part of the table
    m_platform.Paint(*m_pTable, &rcPart);
    ReleaseAndRepaint(kOnQueen);
    EXPECT_EQ(Canvas(), m_before);
}

TEST_F(NamingTest, AVisibleStripNamesTheCoveredCard) {
    RightPress(CPoint(40, 20)); // the top strip of the Jack of Spades under the Queen
    EXPECT_EQ(m_platform.m_strStatus, "Jack of Spades");
    EXPECT_EQ(m_pTable->GetPartnerAreas(), (std::vector<CRect>{CardRect(0, 1)}))
        << "the Queen; the Hearts foundation is not the Jack's suit";
    EXPECT_EQ(WhatFills(CardRect(0, 1)), "~QH");
}

TEST_F(NamingTest, AFoundationCardHasPartnersOfItsOwnSuitOnly) {
    RightPress(kOnFive);
    EXPECT_EQ(m_platform.m_strStatus, "Five of Clubs");
    EXPECT_GT(g_nPickedPile, 17);
    EXPECT_EQ(WhatFills(CardRect(2, 0)), "~4C");
    EXPECT_EQ(WhatFills(TopStrip(3, 0)), "~6C");
    EXPECT_EQ(WhatFills(LeftStrip(3, 0)), "~6C");
    EXPECT_EQ(WhatFills(TopStrip(1, 1)), "4D");
    EXPECT_EQ(WhatFills(CardRect(4, 0)), "4S");
    EXPECT_EQ(WhatFills(TopStrip(5, 0)), "6D");
    EXPECT_EQ(m_pTable->GetPartnerAreas().size(), 3u);
    ReleaseAndRepaint(kOnFive);
    EXPECT_EQ(Canvas(), m_before);
}

TEST_F(NamingTest, AFanCardNamesOnlyItsOwnSuitsFoundation) {
    SetTable({"6C", "6H"}, {"5C", "5H"});
    PaintAll();
    RightPress(Centre(CardRect(0, 0)));
    EXPECT_EQ(m_platform.m_strStatus, "Six of Clubs");
    EXPECT_EQ(m_pTable->GetPartnerAreas(), (std::vector<CRect>{m_pDoc->GetPileArea(kPileClubs)}));
}

TEST_F(NamingTest, NoCardUnderThePointerMeansNoNaming) {
    const CPoint misses[] = {CPoint(550, 350),       // the empty Spades foundation
                             Centre(CardRect(9, 0)), // an empty fan
                             CPoint(85, 100),        // a fan's area beside its cards
                             CPoint(5, 5), CPoint(590, 395)};
    for (CPoint pt : misses) {
        RightPress(pt);
        RightRelease(pt);
    }
    ExpectNothingHappened();
}

TEST_F(NamingTest, ASecondPressAndADoubleClickAreIgnored) {
    RightPress(kOnQueen);
    m_platform.m_timeline.clear();
    RightPress(kOnFive);
    m_pTable->OnRButtonDblClk(0, kOnFive);
    EXPECT_TRUE(m_platform.m_timeline.empty());
    EXPECT_EQ(m_platform.m_strStatus, "Queen of Hearts");
    ReleaseAndRepaint(kOnQueen);
    EXPECT_EQ(Canvas(), m_before);
    // The second press of a double click comes as a double-click message: nothing happens.
    m_platform.m_timeline.clear();
    m_pTable->OnRButtonDblClk(0, kOnQueen);
    RightRelease(kOnQueen);
    ExpectNothingHappened();
}

TEST_F(NamingTest, HighlightingTwiceRestoresTheScreen) {
    ASSERT_TRUE(m_pTable->PickCardAt(kOnQueen));
    m_pTable->HighlightPartners();
    EXPECT_NE(Canvas(), m_before);
    m_pTable->HighlightPartners();
    EXPECT_EQ(Canvas(), m_before);
}

TEST_F(NamingTest, PickingSearchesOnlyTheFirstFanWhoseFootprintHoldsThePoint) {
    EXPECT_FALSE(m_pTable->PickCardAt(CPoint(85, 100))) << "fan 0's footprint, no card there";
    EXPECT_TRUE(m_pTable->PickCardAt(CPoint(12, 95)));
    EXPECT_EQ(g_namedCard.GetRank(), kJack);
    EXPECT_EQ(g_namedCard.GetSuit(), kSpades);
    EXPECT_FALSE(m_pTable->PickCardAt(CPoint(550, 300))) << "the empty Spades foundation";
    EXPECT_FALSE(m_pTable->PickCardAt(CPoint(550, 105))) << "between two foundations";
}
