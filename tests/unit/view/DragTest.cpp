#include "ViewTestSupport.h"

#include "ViewGestureState.h"
#include "resource.h"

namespace {
class DragTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        // Fan 0 QH TC 5D, fan 1 6S, fan 4 the Ace of Hearts alone, fan 7 9C KD.
        SetTable({"QH TC 5D", "6S", "", "", "AH", "", "", "9C KD"});
        PaintAll();
        m_platform.m_timeline.clear();
        m_nInvalidationsPainted = m_platform.m_invalidations.size();
    }
    // The grab point inside fan 0's top card (the Five of Diamonds at 30, 42).
    CPoint Grab() const { return CPoint(37, 51); }
    void ExpectIdle() {
        EXPECT_FALSE(g_bDragging);
        EXPECT_EQ(m_platform.GetCapture(), 0u);
        EXPECT_FALSE(m_platform.m_bDragging) << "the drag image was ended";
    }
};
} // namespace

TEST_F(DragTest, PressLiftsTheTopCardAndShowsTheCardBeneath) {
    Press(Grab());
    EXPECT_TRUE(g_bDragging);
    EXPECT_EQ(g_nPickedPile, 0);
    ASSERT_NE(g_prcLifted, nullptr);
    EXPECT_EQ(*g_prcLifted, CardRect(0, 2));
    EXPECT_EQ(m_platform.GetCapture(), m_hView);
    EXPECT_EQ(m_platform.GetCursor(), m_pTable->m_hGrabCursor);
    EXPECT_TRUE(m_pTable->m_bGrabShown);
    EXPECT_FALSE(m_pTable->m_bHandShown);
    // The lifted place is cloth but for the card beneath, drawn as the fan's new top.
    EXPECT_EQ(WhatFills(CardRect(0, 1)), "TC");
    EXPECT_EQ(WhatFills(CRect(80, 42, 90, 124)), "cloth");
    EXPECT_EQ(WhatFills(CRect(30, 110, 80, 124)), "cloth");
    EXPECT_EQ(WhatIsAt(10, 14), "QH");
    EXPECT_EQ(Fan(0), "QH TC 5D") << "the document is not changed by a press";
    // The image covers the card exactly: its hot spot is the grab offset.
    std::vector<std::string> expected = {"begin 5D 7,9", "capture", "enter 37,51"};
    std::vector<std::string> drag = m_platform.Entries("begin");
    for (const std::string& e : m_platform.Entries("capture"))
        drag.push_back(e);
    for (const std::string& e : m_platform.Entries("enter"))
        drag.push_back(e);
    EXPECT_EQ(drag, expected);
}

TEST_F(DragTest, PressOnAOneCardFanDrawsNothingBeneath) {
    Press(Centre(CardRect(1, 0)));
    EXPECT_TRUE(g_bDragging);
    EXPECT_EQ(WhatFills(CardRect(1, 0)), "cloth");
    EXPECT_TRUE(m_platform.Entries("blit").empty());
}

TEST_F(DragTest, PressWhereNoTopCardLiesDoesNothing) {
    const CPoint misses[] = {CPoint(12, 20),         // the Queen of Hearts, covered
                             CPoint(550, 50),        // an empty foundation
                             Centre(CardRect(2, 0)), // an empty fan
                             CPoint(5, 5)};          // the cloth
    for (CPoint pt : misses) {
        Press(pt);
        EXPECT_FALSE(g_bDragging) << Str(pt);
    }
    EXPECT_TRUE(m_platform.m_timeline.empty());
    EXPECT_EQ(Canvas(), Rendering());
}

TEST_F(DragTest, PressWaitsForThePreviousChangesIdleStep) {
    // The Five of Diamonds onto the Six of Spades: the Ten of Clubs under the pointer is the top.
    ASSERT_TRUE(m_pDoc->MoveCard(0, 1));
    m_platform.m_timeline.clear();
    Press(Grab());
    EXPECT_FALSE(g_bDragging);
    EXPECT_TRUE(m_platform.m_timeline.empty());
}

TEST_F(DragTest, DragMovesTheImageWithThePointer) {
    Press(Grab());
    m_pTable->m_bGrabShown = FALSE;
    Move(CPoint(200, 100));
    Move(CPoint(210, 104));
    EXPECT_EQ(m_platform.Entries("move"),
              (std::vector<std::string>{"move 200,100", "move 210,104"}));
    EXPECT_EQ(m_platform.Entries("cursor"),
              (std::vector<std::string>{"cursor grab", "cursor grab"}));
}

TEST_F(DragTest, ReleaseOnALegalFanGlidesThereAndMovesTheCard) {
    Press(Grab());
    Move(CPoint(120, 60));
    m_platform.m_timeline.clear();
    Release(CPoint(120, 60)); // fan 1, whose Six of Spades takes the Five
    EXPECT_EQ(Fan(0), "QH TC");
    EXPECT_EQ(Fan(1), "6S 5D");
    // The glide ends with the image on fan 1's slot 1 (104, 28) at the grab offset.
    std::vector<std::string> moves = m_platform.Entries("move");
    ASSERT_GE(moves.size(), 15u);
    ASSERT_LE(moves.size(), 16u);
    EXPECT_EQ(moves.back(), "move 111,37");
    // One move sound, synchronous, after the glide and before the image goes.
    std::vector<std::string>& t = m_platform.m_timeline;
    auto itSound = std::find(t.begin(), t.end(), "sound 144 0x40006");
    ASSERT_NE(itSound, t.end());
    EXPECT_EQ(m_platform.Entries("sound").size(), 1u);
    EXPECT_LT(std::find(t.begin(), t.end(), "move 111,37"), itSound);
    EXPECT_LT(itSound, std::find(t.begin(), t.end(), "end"));
    EXPECT_EQ(t.back(), "release");
    ExpectIdle();
    PaintInvalidated();
    EXPECT_EQ(Canvas(), Rendering());
    EXPECT_EQ(m_platform.m_nSleepsOutsideTimerPeriod, 0);
    EXPECT_EQ(m_platform.m_nTimerPeriodDepth, 0);
}

TEST_F(DragTest, AClickSendsAnAceToItsFoundation) {
    Click(Centre(CardRect(4, 0)));
    EXPECT_EQ(Fan(4), "");
    EXPECT_EQ(m_pDoc->GetTopCard(kPileHearts).GetRank(), kAce);
    CPoint ptGrab = Centre(CardRect(4, 0));
    CRect rc = CardRect(4, 0);
    CPoint ptEnd(522 + ptGrab.x - rc.left, 18 + ptGrab.y - rc.top);
    EXPECT_EQ(m_platform.Entries("move").back(), "move " + Str(ptEnd));
    EXPECT_EQ(m_platform.Entries("sound"), (std::vector<std::string>{"sound 144 0x40006"}));
    PaintInvalidated();
    EXPECT_EQ(Canvas(), Rendering());
}

TEST_F(DragTest, AReleaseWithoutALegalPlaceReturnsTheCardSilently) {
    Press(Centre(CardRect(7, 1))); // the King of Diamonds: nothing takes it
    m_platform.m_timeline.clear();
    Release(CPoint(300, 300));
    EXPECT_EQ(Fan(7), "9C KD");
    EXPECT_TRUE(m_platform.Entries("sound").empty());
    CRect rc = CardRect(7, 1);
    EXPECT_EQ(m_platform.Entries("move").back(), "move " + Str(Centre(rc)));
    EXPECT_EQ(m_platform.Entries("invalidate"),
              (std::vector<std::string>{"invalidate " + Str(rc) + " erase"}));
    ExpectIdle();
    PaintInvalidated();
    EXPECT_EQ(Canvas(), Rendering());
}

TEST_F(DragTest, ADropOutsideEveryAreaOrEscapeReturnsTheCard) {
    Press(Grab());
    Release(CPoint(590, 395));
    EXPECT_EQ(Fan(0), "QH TC 5D");
    EXPECT_EQ(Fan(1), "6S") << "no search, though fan 1 would take the card";
    PaintInvalidated();
    EXPECT_EQ(Canvas(), Rendering());

    // Escape glides the card back from where the pointer holds it, over a fan that would take
    // it; the release that follows finds no drag.
    Press(Grab());
    Move(CPoint(120, 60));
    m_platform.m_timeline.clear();
    m_pTable->OnKeyDown(kKeyEscape, 1, 0);
    ASSERT_FALSE(m_platform.Entries("move").empty());
    EXPECT_EQ(m_platform.Entries("move").back(), "move " + Str(Grab()));
    ExpectIdle();
    Release(CPoint(120, 60));
    EXPECT_EQ(Fan(0), "QH TC 5D");
    EXPECT_EQ(Fan(1), "6S");
    EXPECT_TRUE(m_platform.Entries("sound").empty());
    EXPECT_FALSE(m_pDoc->IsChanged()) << "nothing for the history to record";
    PaintInvalidated();
    EXPECT_EQ(Canvas(), Rendering());
}

TEST_F(DragTest, OnlyTheFirstClickOfADoubleClickActs) {
    SetTable({"5C", "6S", "4D"});
    PaintAll();
    CPoint pt = Centre(CardRect(0, 0));
    Click(pt); // onto fan 1, the lowest fan that takes it
    ASSERT_EQ(Fan(1), "6S 5C");
    std::size_t nEntries = m_platform.m_timeline.size();
    m_pTable->OnLButtonDblClk(0, pt);
    Release(pt);
    EXPECT_EQ(m_platform.m_timeline.size(), nEntries);
    EXPECT_EQ(Fan(1), "6S 5C");
    EXPECT_EQ(Fan(2), "4D");
}

TEST_F(DragTest, HoverShowsTheOpenHandOverTopCardsOnly) {
    Move(Grab());
    Move(CPoint(Grab().x + 1, Grab().y));
    EXPECT_EQ(m_platform.Entries("cursor"), (std::vector<std::string>{"cursor hand"}));
    EXPECT_TRUE(m_pTable->m_bHandShown);
    Move(CPoint(12, 20)); // a covered card
    EXPECT_EQ(m_platform.GetCursor(), m_pTable->m_hArrowCursor);
    EXPECT_FALSE(m_pTable->m_bHandShown);
    m_platform.m_timeline.clear();
    Move(CPoint(5, 5));
    EXPECT_TRUE(m_platform.Entries("cursor").empty()) << "the arrow is already shown";
    // Outside the client area the platform sets the cursor, and the view forgets its own.
    Move(Grab());
    EXPECT_FALSE(m_pTable->OnSetCursor(0, 0));
    EXPECT_FALSE(m_pTable->m_bHandShown);
    EXPECT_TRUE(m_pTable->OnSetCursor(kHitTestClient, 0));
}

TEST_F(DragTest, GlideTakesItsStepsAndEndsOnTheTarget) {
    m_pTable->GlideDragImage(CPoint(0, 0), CPoint(30, 45), 15);
    std::vector<std::string> moves = m_platform.Entries("move");
    ASSERT_EQ(moves.size(), 15u);
    for (int k = 1; k <= 15; ++k)
        EXPECT_EQ(moves[k - 1], "move " + Str(CPoint(2 * k, 3 * k)));
    EXPECT_EQ(m_platform.m_nSleepCalls, 15);

    m_platform.m_timeline.clear();
    m_pTable->GlideDragImage(CPoint(0, 0), CPoint(10, 10), 0);
    EXPECT_EQ(m_platform.Entries("move"), (std::vector<std::string>{"move 5,5", "move 10,10"}));

    m_platform.m_timeline.clear();
    m_pTable->GlideDragImage(CPoint(7, 7), CPoint(7, 7), 15);
    EXPECT_TRUE(m_platform.m_timeline.empty());
    EXPECT_EQ(m_platform.m_nSleepsOutsideTimerPeriod, 0);
    EXPECT_EQ(m_platform.m_nTimerPeriodDepth, 0);
}

TEST_F(DragTest, GlideTruncationCostsAtMostOneStepInAnyDirection) {
    const CPoint targets[] = {CPoint(10, -7), CPoint(-10, 7), CPoint(-13, -29), CPoint(1, 100)};
    for (CPoint q : targets) {
        for (int n : {3, 7, 15}) {
            m_platform.m_timeline.clear();
            m_pTable->GlideDragImage(CPoint(0, 0), q, n);
            std::vector<std::string> moves = m_platform.Entries("move");
            ASSERT_FALSE(moves.empty());
            EXPECT_GE(static_cast<int>(moves.size()), n) << Str(q) << " in " << n;
            EXPECT_LE(static_cast<int>(moves.size()), n + 1) << Str(q) << " in " << n;
            EXPECT_EQ(moves.back(), "move " + Str(q));
        }
    }
}
