#include "ViewTestSupport.h"

#include "ViewGestureState.h"

namespace {
// The drag and the naming kept apart, and both ended cleanly whatever interrupts them.
class GestureTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        SetTable({"QH TC 5D", "6S", "", "", "AH", "", "", "9C KD"});
        PaintAll();
        m_before = Canvas();
        m_platform.m_timeline.clear();
        m_nInvalidationsPainted = m_platform.m_invalidations.size();
    }
    CPoint OnFive() const { return Centre(CardRect(0, 2)); }
    CPoint OnSix() const { return Centre(CardRect(1, 0)); }
    void ExpectNoGesture() {
        EXPECT_FALSE(g_bDragging);
        EXPECT_FALSE(g_bNaming);
        EXPECT_EQ(g_prcLifted, nullptr);
        EXPECT_EQ(m_platform.GetCapture(), 0u);
        EXPECT_FALSE(m_platform.m_bDragging) << "the drag image is gone";
    }
    void ExpectTableAsBefore() {
        PaintInvalidated();
        EXPECT_EQ(Fan(0), "QH TC 5D");
        EXPECT_EQ(Fan(1), "6S");
        EXPECT_EQ(Canvas(), m_before);
    }

    CRgbImage m_before;
    static constexpr WindowRef kOtherWindow = 0x7777;
};
} // namespace

TEST_F(GestureTest, TheLeftButtonWaitsWhileACardIsNamed) {
    m_pTable->OnRButtonDown(0, OnSix());
    ASSERT_TRUE(g_bNaming);
    Press(OnFive());
    Release(OnSix());
    EXPECT_FALSE(g_bDragging);
    EXPECT_TRUE(m_platform.Entries("begin").empty());
    EXPECT_TRUE(g_bNaming);
    EXPECT_EQ(m_platform.GetCapture(), m_hView) << "the naming keeps its capture";
    m_pTable->OnRButtonUp(0, OnSix());
    ExpectNoGesture();
    ExpectTableAsBefore();
}

TEST_F(GestureTest, TheRightButtonWaitsWhileACardIsDragged) {
    Press(OnFive());
    m_pTable->OnRButtonDown(0, OnSix());
    m_pTable->OnRButtonUp(0, OnSix());
    EXPECT_FALSE(g_bNaming);
    EXPECT_TRUE(m_platform.Entries("status").empty());
    EXPECT_TRUE(m_platform.Entries("invert").empty());
    EXPECT_EQ(g_nPickedPile, 0);
    Release(OnSix());
    EXPECT_EQ(Fan(1), "6S 5D") << "the drag goes on undisturbed";
}

TEST_F(GestureTest, ACommandDuringADragFirstPutsTheCardBack) {
    Press(OnFive());
    m_pTable->OnCancelMode();
    ExpectNoGesture();
    EXPECT_EQ(m_platform.Entries("invalidate"),
              (std::vector<std::string>{"invalidate " + Str(CardRect(0, 2)) + " erase"}));
    // The command runs; the release that follows moves nothing.
    m_pDoc->OnKings();
    Release(OnSix());
    EXPECT_TRUE(m_platform.m_sounds.empty());
    ExpectTableAsBefore();
}

TEST_F(GestureTest, ACommandDuringANamingFirstClearsIt) {
    m_pTable->OnRButtonDown(0, OnSix());
    ASSERT_EQ(m_platform.m_strStatus, "Six of Spades");
    m_pTable->OnCancelMode();
    ExpectNoGesture();
    EXPECT_EQ(m_platform.m_strStatus, "");
    m_pTable->OnRButtonUp(0, OnSix());
    ExpectTableAsBefore();
}

TEST_F(GestureTest, AReleaseNeverMovesACardOtherThanTheOneLifted) {
    Press(OnFive());
    // The table changes under the drag without the view being told.
    SetTable({"QH TC 7D", "6S"});
    Release(OnSix());
    EXPECT_EQ(Fan(0), "QH TC 7D");
    EXPECT_EQ(Fan(1), "6S");
    EXPECT_TRUE(m_platform.m_sounds.empty());
    ExpectNoGesture();
}

TEST_F(GestureTest, LosingTheCaptureDuringADragPutsTheCardBack) {
    Press(OnFive());
    m_platform.SetCapture(kOtherWindow);
    m_pTable->OnCaptureChanged(kOtherWindow);
    EXPECT_FALSE(g_bDragging);
    EXPECT_EQ(m_platform.GetCapture(), kOtherWindow) << "the other window keeps it";
    Release(OnSix());
    ExpectTableAsBefore();
    // The next press works.
    m_platform.ReleaseCapture();
    Press(OnFive());
    EXPECT_TRUE(g_bDragging);
    Release(OnSix());
    EXPECT_EQ(Fan(1), "6S 5D");
}

TEST_F(GestureTest, LosingTheCaptureDuringANamingUndoesIt) {
    m_pTable->OnRButtonDown(0, OnFive());
    ASSERT_TRUE(g_bNaming);
    m_platform.ReleaseCapture();
    m_pTable->OnCaptureChanged(0);
    ExpectNoGesture();
    EXPECT_EQ(m_platform.m_strStatus, "");
    ExpectTableAsBefore();
    m_pTable->OnRButtonDown(0, OnFive());
    EXPECT_TRUE(g_bNaming) << "the next press works";
}

TEST_F(GestureTest, TheViewTakingTheCaptureItselfEndsNothing) {
    Press(OnFive());
    m_pTable->OnCaptureChanged(m_hView);
    EXPECT_TRUE(g_bDragging);
    Release(OnSix());
    EXPECT_EQ(Fan(1), "6S 5D");
}

TEST_F(GestureTest, ACaptureLostUnnoticedDoesNotBlockTheNextPress) {
    m_pTable->OnRButtonDown(0, OnFive());
    m_platform.ReleaseCapture();
    m_pTable->OnRButtonUp(0, OnFive()); // finds no capture
    ASSERT_TRUE(g_bNaming);
    m_pTable->OnRButtonDown(0, OnSix());
    EXPECT_EQ(m_platform.m_strStatus, "Six of Spades");
    m_pTable->OnRButtonUp(0, OnSix());
    ExpectNoGesture();

    Press(OnFive());
    m_platform.ReleaseCapture();
    Press(OnFive());
    EXPECT_TRUE(g_bDragging);
    EXPECT_EQ(m_platform.GetCapture(), m_hView);
    Release(OnSix());
    EXPECT_EQ(Fan(1), "6S 5D");
    ExpectNoGesture();
}

TEST_F(GestureTest, ClosingTheViewMidDragLeavesNoStateBehind) {
    Press(OnFive());
    m_pTable.reset();
    EXPECT_FALSE(g_bDragging);
    EXPECT_EQ(g_prcLifted, nullptr);
    EXPECT_EQ(m_platform.GetCapture(), 0u);
}
