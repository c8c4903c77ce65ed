#include "ModelTestSupport.h"

#include "resource.h"

namespace {
class HistoryTest : public ModelTest {
protected:
    void SetUp() override { MakeDoc(); }
    bool Enabled(int nID) {
        CCmdUI ui(nID);
        EXPECT_TRUE(m_pDoc->OnCmdMsg(nID, &ui));
        return ui.m_bEnabled != FALSE;
    }
    // Fans 0 to 2 free for moves; the rest of the deck parked on the foundations, so the table
    // is a real game position.
    void SetSmallGame() {
        SetTable({"5H 6C", "7D", "4S", "KH", "KD", "KC 2H", "QH JH", "QD JD", "QC JC", "KS QS JS"},
                 {"TH", "TD", "TC", "3S"});
    }
    void Move(int nFrom, int nTo) {
        ASSERT_TRUE(m_pDoc->MoveCard(nFrom, nTo));
        Idle();
    }
    std::string Table() const {
        std::string out;
        for (int f = 0; f < kFanCount; ++f)
            out += Fan(f) + "|";
        return out;
    }
};
} // namespace

TEST_F(HistoryTest, UndoAfterOneMoveShowsTheFixedUpDealAgain) {
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    Idle();
    std::string dealt = Table();
    // Find any legal move between fans.
    int from = -1, to = -1;
    for (int f = 0; f < kFanCount && from < 0; ++f)
        for (int t = 0; t < kPileCount && from < 0; ++t)
            if (m_pDoc->CanMove(f, t)) from = f, to = t;
    ASSERT_GE(from, 0) << "seed 1 has a legal first move";
    Move(from, to);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 3);
    EXPECT_NE(Table(), dealt);
    m_pDoc->OnCmdMsg(ID_EDIT_UNDO, nullptr);
    EXPECT_EQ(Table(), dealt);
    Idle();
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 2);
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
}

TEST_F(HistoryTest, ThreeMovesThreeUndosInThreeSteps) {
    SetSmallGame();
    m_pDoc->RecordStartPosition();
    Idle();
    std::string start = Table();
    Move(0, 1); // 6C onto 7D
    std::string after1 = Table();
    Move(0, 2); // 5H onto 4S
    std::string after2 = Table();
    Move(1, 2); // 6C onto 5H
    m_pDoc->OnEditUndo();
    EXPECT_EQ(Table(), after2);
    Idle();
    m_pDoc->OnEditUndo();
    EXPECT_EQ(Table(), after1);
    Idle();
    m_pDoc->OnEditUndo();
    EXPECT_EQ(Table(), start);
    Idle();
    m_pDoc->OnEditUndo();
    EXPECT_EQ(Table(), start);
    Idle();
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 1);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(HistoryTest, TwoUndosWithoutAnIdleStepGoTwoFurtherBack) {
    SetSmallGame();
    m_pDoc->RecordStartPosition();
    Idle();
    std::string start = Table();
    Move(0, 1);
    Move(0, 2);
    Move(1, 2);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 5);
    m_pDoc->OnEditUndo();
    m_pDoc->OnEditUndo();
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 1);
    EXPECT_EQ(Table(), start);
}

TEST_F(HistoryTest, UndoTakesACardBackFromAFoundation) {
    SetTable({"AH", "2C"}, {"AC"});
    m_pDoc->RecordStartPosition();
    Idle();
    Move(0, kPileHearts);
    EXPECT_EQ(m_pDoc->GetTopCard(kPileHearts).GetRank(), 1);
    m_pDoc->OnEditUndo();
    EXPECT_EQ(Fan(0), "AH");
    EXPECT_FALSE(m_pDoc->GetTopCard(kPileHearts).HasCard());
    EXPECT_EQ(m_pDoc->GetTopCard(kPileHearts).GetSuit(), kHearts);
    EXPECT_EQ(m_pDoc->GetTopCard(kPileClubs).GetRank(), 1);
}

TEST_F(HistoryTest, AtTheCapNothingIsRecordedAndUndoGoesBackToSnapshot198) {
    SetTable({"7H", "6S", "8C"}, {});
    m_pDoc->RecordStartPosition();
    for (int i = 1; i < 199; ++i)
        m_pDoc->RecordHistory();
    ASSERT_TRUE(m_pDoc->MoveCard(0, 1));
    Idle();
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 200);
    std::string at200 = Table();
    ASSERT_TRUE(m_pDoc->MoveCard(1, 2)); // 7H onto 8C: not recorded
    Idle();
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 200);
    m_pDoc->OnEditUndo();
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 198);
    EXPECT_EQ(Fan(0), "7H") << "two moves back from the table";
    Idle();
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 199);
    (void)at200;
}

TEST_F(HistoryTest, StartOverBringsBackTheDealBeforeTheKingFixUp) {
    // A deal whose King fix-up exchanges cards.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        CDeal probe = DealFromSeed(seed);
        if (FixUpKings(probe.m_fan, nullptr) > 0) break;
    }
    m_platform.m_nTime = seed;
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    std::string dealt = Table();
    Idle();
    std::string fixedUp = Table();
    ASSERT_NE(dealt, fixedUp);
    EXPECT_TRUE(Enabled(ID_START_OVER));
    m_pDoc->OnCmdMsg(ID_START_OVER, nullptr);
    EXPECT_EQ(Table(), dealt);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 1);
    EXPECT_FALSE(m_pDoc->IsDealPending());
    Idle();
    EXPECT_EQ(m_pView->m_nAnimations, 1) << "Start Over is not animated";
    EXPECT_EQ(Table(), dealt);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 2);
    EXPECT_EQ(m_pDoc->GetWins() + m_pDoc->GetLosses(), 0);
    // Undo right after the deal brings back the layout as dealt.
    m_pDoc->OnStartOver();
    Idle();
    m_pDoc->OnEditUndo();
    EXPECT_EQ(Table(), dealt);
}

TEST_F(HistoryTest, AfterAWinUndoAndStartOverAreDisabledAndDoNothingWhenForced) {
    // A deal first, so that Start Over has a deal to go back to.
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    SetTable({"KH"}, {"KC", "KD", "KS", "QH"});
    m_pDoc->RecordStartPosition();
    Idle();
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    Move(0, kPileHearts);
    EXPECT_FALSE(m_pDoc->IsInProgress());
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_START_OVER));
}
