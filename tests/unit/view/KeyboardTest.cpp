#include "ViewTestSupport.h"

#include "ViewGestureState.h"

namespace {
// Play with the keys, and the table as screen readers read it.
class KeyboardTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        SetTable({"5C", "6S", "4D", "", "", "", "QH TC 5D"});
        PaintAll();
        m_platform.m_timeline.clear();
        m_nInvalidationsPainted = m_platform.m_invalidations.size();
    }
    void Key(unsigned nChar, unsigned nFlags = 0) { m_pTable->OnKeyDown(nChar, 1, nFlags); }
    int Focus() const { return m_pTable->GetFocusPile(); }
    // The focus after the key, from the pile given.
    int After(int nPile, unsigned nChar, unsigned nFlags = 0) {
        Key(kKeyHome);
        for (int i = 0; i < nPile; ++i)
            Key(kKeyTab);
        Key(nChar, nFlags);
        return Focus();
    }
    std::vector<int> EventChildren(EAccessibleEvent event) const {
        std::vector<int> children;
        for (const CAccessibleEventRecord& e : m_platform.m_accessibleEvents)
            if (e.event == event && e.hView == m_hView) children.push_back(e.nChild);
        return children;
    }
};
} // namespace

TEST_F(KeyboardTest, FocusKeysFollowPileOrderAndTheTableAndWrap) {
    EXPECT_EQ(Focus(), -1);
    EXPECT_EQ(After(21, kKeyTab), 0);
    EXPECT_EQ(After(0, kKeyTab, kKeyFlagShift), 21);
    EXPECT_EQ(After(7, kKeyEnd), 21);
    EXPECT_EQ(After(5, kKeyRight), kPileHearts) << "the foundations lie right of the fans";
    EXPECT_EQ(After(kPileHearts, kKeyRight), 0) << "round to the row's far side";
    EXPECT_EQ(After(0, kKeyLeft), kPileHearts);
    EXPECT_EQ(After(kPileClubs, kKeyLeft), 11);
    EXPECT_EQ(After(5, kKeyDown), 11) << "a column goes before the foundations beside it";
    EXPECT_EQ(After(12, kKeyDown), 0) << "the Spades foundation is lower, but not below";
    EXPECT_EQ(After(kPileHearts, kKeyUp), kPileSpades);
    EXPECT_EQ(After(17, kKeyRight), kPileSpades);
    EXPECT_EQ(After(3, kKeyTab, kKeyFlagControl), 3) << "Ctrl keys are the accelerators'";
}

TEST_F(KeyboardTest, EnterDoesWhatAClickDoes) {
    Click(Centre(CardRect(0, 0)));
    const std::string clicked = Fan(1);
    const std::vector<CSoundCall> sounds = Sounds();
    ASSERT_EQ(clicked, "6S 5C");
    m_pDoc->OnIdleUpdate();
    SetTable({"5C", "6S", "4D", "", "", "", "QH TC 5D"});
    m_platform.m_sounds.clear();
    Key(kKeyHome);
    Key(kKeyReturn);
    EXPECT_EQ(Fan(0), "");
    EXPECT_EQ(Fan(1), clicked);
    EXPECT_EQ(Sounds(), sounds);
    EXPECT_TRUE(m_pDoc->IsChanged()) << "the idle step records it as any move";
    EXPECT_FALSE(g_bDragging);

    // Until that step has run, keys do nothing, as presses do.
    Key(kKeyTab);
    EXPECT_EQ(Focus(), 0);
    m_pDoc->OnIdleUpdate();
    m_platform.m_sounds.clear();
    Key(kKeyReturn); // on the fan now empty
    EXPECT_TRUE(Sounds().empty());
    EXPECT_FALSE(g_bDragging);
    EXPECT_EQ(Fan(1), clicked);
}

TEST_F(KeyboardTest, SpaceHoldsTheCardUntilSpaceOrEnterLetsItGo) {
    Key(kKeyHome);
    Key(kKeySpace);
    ASSERT_TRUE(g_bDragging);
    EXPECT_EQ(m_platform.GetCapture(), 0u) << "the pointer stays free";
    EXPECT_EQ(WhatFills(CardRect(0, 0)), "cloth") << "lifted as a press lifts it";
    EXPECT_EQ(EventChildren(EAccessibleEvent::Selection), std::vector<int>{1});
    EXPECT_EQ(m_pTable->GetSelectedChild(), 1);
    Key(kKeyRight);
    EXPECT_EQ(m_platform.m_dragEvents.back().pt, CardRect(1, 1).TopLeft())
        << "the image waits where the card would land";
    Key(kKeySpace);
    EXPECT_FALSE(g_bDragging);
    EXPECT_EQ(Fan(1), "6S 5C");
    m_pDoc->OnIdleUpdate();

    // An illegal pile sends the card where the drop search finds a place.
    Key(kKeyTab);
    Key(kKeySpace); // the Four of Diamonds
    Key(kKeyEnd);   // the Spades foundation
    Key(kKeyReturn);
    EXPECT_EQ(Fan(1), "6S 5C 4D");
    m_pDoc->OnIdleUpdate();

    // Escape puts it back from wherever the focus took it.
    Key(kKeyHome);
    Key(kKeyTab);
    Key(kKeySpace);
    Key(kKeyEnd);
    m_platform.m_sounds.clear();
    Key(kKeyEscape);
    EXPECT_FALSE(g_bDragging);
    EXPECT_EQ(Fan(1), "6S 5C 4D");
    EXPECT_TRUE(Sounds().empty());
    EXPECT_FALSE(m_pDoc->IsChanged());
    PaintInvalidated();
    EXPECT_EQ(WhatFills(CardRect(1, 2)), "4D");
}

TEST_F(KeyboardTest, KeysWaitWhileTheMouseDragsOrNames) {
    Press(Centre(CardRect(0, 0)));
    Key(kKeyTab);
    Key(kKeySpace);
    EXPECT_EQ(Focus(), -1);
    EXPECT_EQ(m_platform.GetCapture(), m_hView);
    Release(Centre(CardRect(0, 0)));
    m_pDoc->OnIdleUpdate();
    m_pTable->OnRButtonDown(0, Centre(CardRect(2, 0)));
    Key(kKeyTab);
    EXPECT_EQ(Focus(), -1);
    m_pTable->OnRButtonUp(0, Centre(CardRect(2, 0)));
    // A mouse press ends a card held by the keys: it goes back.
    Key(kKeyEnd);
    Key(kKeyHome);
    Key(kKeyTab);
    Key(kKeySpace);
    ASSERT_TRUE(g_bDragging);
    Press(CPoint(300, 380));
    EXPECT_FALSE(g_bDragging);
    EXPECT_EQ(Fan(1), "6S 5C");
}

TEST_F(KeyboardTest, TheFocusFrameShowsAfterAFocusKeyUntilAPress) {
    const CRect frame = m_pTable->GetFocusFrame(0);
    EXPECT_EQ(frame, CRect(8, 12, 92, 126));
    Key(kKeyHome);
    PaintInvalidated();
    EXPECT_EQ(WhatIsAt(frame.left, frame.top), "~cloth");
    EXPECT_EQ(WhatIsAt(frame.right - 1, frame.bottom - 1), "~cloth");
    EXPECT_EQ(WhatFills(CardRect(0, 0)), "5C") << "the frame keeps off the cards";
    Key(kKeyTab);
    PaintInvalidated();
    EXPECT_EQ(WhatIsAt(frame.left, frame.top), "cloth") << "the old frame is gone";
    // A press hides it: the table is again exactly what a mouse player sees.
    Press(CPoint(300, 380));
    PaintInvalidated();
    EXPECT_EQ(WhatIsAt(94, 12), "cloth");
    EXPECT_EQ(Canvas(), Rendering());
    EXPECT_FALSE(m_pTable->IsFocusShown());
}

TEST_F(KeyboardTest, ReadersSeeTwentyTwoNamedPiles) {
    SetTable({"QH TC 5D", ""}, {"3H"});
    EXPECT_EQ(m_pTable->GetAccessibleName(), "Table");
    EXPECT_EQ(m_pTable->GetAccessibleChildCount(), 22);
    EXPECT_EQ(m_pTable->GetChildName(1), "Fan 1: Five of Diamonds, Ten of Clubs, Queen of Hearts");
    EXPECT_EQ(m_pTable->GetChildName(2), "Fan 2: empty");
    EXPECT_EQ(m_pTable->GetChildName(18), "Fan 18: empty");
    EXPECT_EQ(m_pTable->GetChildName(19), "Hearts foundation: Three of Hearts");
    EXPECT_EQ(m_pTable->GetChildName(22), "Spades foundation: empty");
    EXPECT_EQ(m_pTable->GetChildArea(1), CRect(10, 14, 90, 124));
    EXPECT_EQ(m_pTable->GetChildArea(20), CRect(522, 111, 582, 193));
    EXPECT_EQ(m_pTable->GetChildAt(CPoint(85, 120)), 1);
    EXPECT_EQ(m_pTable->GetChildAt(CPoint(92, 60)), 0);
    EXPECT_EQ(m_pTable->GetDefaultAction(1), "Move");
    EXPECT_EQ(m_pTable->GetDefaultAction(2), "");
    EXPECT_EQ(m_pTable->GetDefaultAction(19), "");
    EXPECT_EQ(m_pTable->NavigateChild(0, ENavigation::Last), 22);
    EXPECT_EQ(m_pTable->NavigateChild(0, ENavigation::Next), 0);
    EXPECT_EQ(m_pTable->NavigateChild(6, ENavigation::Right), 19);
}

TEST_F(KeyboardTest, ReadersAreToldOfFocusSelectionAndChangedNames) {
    m_pTable->OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(EventChildren(EAccessibleEvent::NameChange).size(), 22u) << "all named at first";
    m_platform.m_accessibleEvents.clear();
    Key(kKeyTab);
    Key(kKeyTab);
    Key(kKeyTab, kKeyFlagShift);
    EXPECT_EQ(EventChildren(EAccessibleEvent::Focus), (std::vector<int>{1, 2, 1}));
    m_pTable->OnSetFocus();
    EXPECT_EQ(EventChildren(EAccessibleEvent::Focus).back(), 1);
    EXPECT_EQ(m_pTable->GetFocusedChild(), 1);

    // The default action moves the card as Enter does; only the two piles it changed are named
    // again.
    m_platform.m_accessibleEvents.clear();
    EXPECT_TRUE(m_pTable->DoDefaultAction(1));
    EXPECT_EQ(Fan(1), "6S 5C");
    EXPECT_EQ(EventChildren(EAccessibleEvent::NameChange), (std::vector<int>{1, 2}));
    EXPECT_EQ(m_pTable->GetChildName(2), "Fan 2: Five of Clubs, Six of Spades");
    EXPECT_FALSE(m_pTable->DoDefaultAction(3)) << "not before the idle step";
    m_pDoc->OnIdleUpdate();
    EXPECT_FALSE(m_pTable->DoDefaultAction(1)) << "an empty fan has no action";
}
