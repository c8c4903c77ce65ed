#include "ModelTestSupport.h"

#include "resource.h"

namespace {
class RulesTest : public ModelTest {
protected:
    void SetUp() override { MakeDoc(); }
    // The sounds played since the last call.
    std::vector<CSoundCall> TakeSounds() {
        std::vector<CSoundCall> out;
        out.swap(m_platform.m_sounds);
        return out;
    }
};

const CSoundCall kMoveSound{IDW_CARD_DOWN, 0x40006};
} // namespace

TEST_F(RulesTest, OntoAFanTheRanksMustBeNeighboursWhateverTheSuit) {
    SetTable({"7H", "6S", "8C", "7D", "5C", "9H", "KS", "AD", "KC", "AH"});
    EXPECT_TRUE(m_pDoc->CanMove(0, 1));
    EXPECT_TRUE(m_pDoc->CanMove(0, 2));
    EXPECT_FALSE(m_pDoc->CanMove(0, 3)) << "equal ranks";
    EXPECT_FALSE(m_pDoc->CanMove(0, 4));
    EXPECT_FALSE(m_pDoc->CanMove(0, 5));
    EXPECT_FALSE(m_pDoc->CanMove(6, 7)) << "a King is no neighbour of an Ace";
    EXPECT_FALSE(m_pDoc->CanMove(9, 8)) << "an Ace is no neighbour of a King";
    for (int f = 0; f < 10; ++f)
        EXPECT_FALSE(m_pDoc->CanMove(f, f));
}

TEST_F(RulesTest, AFullFanAcceptsNothing) {
    SetTable({"2C 3D 4S", "5H", "KH", ""});
    m_pDoc->OnKings();
    ASSERT_TRUE(m_pDoc->AreKingsAllowed());
    EXPECT_FALSE(m_pDoc->CanMove(1, 0));
    EXPECT_FALSE(m_pDoc->CanMove(2, 0));
    EXPECT_FALSE(m_pDoc->MoveCard(1, 0));
    EXPECT_EQ(Fan(1), "5H");
}

TEST_F(RulesTest, AnEmptyFanTakesOnlyAKingAndOnlyWithTheOption) {
    SetTable({"", "KH", "QS"});
    EXPECT_FALSE(m_pDoc->CanMove(1, 0));
    m_pDoc->OnKings();
    EXPECT_TRUE(m_pDoc->CanMove(1, 0));
    EXPECT_FALSE(m_pDoc->CanMove(2, 0));
    EXPECT_TRUE(m_pDoc->MoveCard(1, 0));
    EXPECT_EQ(Fan(0), "KH");
    EXPECT_EQ(Fan(1), "");
    EXPECT_EQ(m_pDoc->GetTopCardRect(1), CRect(0, 0, 0, 0));
    EXPECT_EQ(m_pDoc->GetTopCardRect(0), CRect(94 - 84, 14, 70, 96));
}

TEST_F(RulesTest, AnEmptyFanIsNeverASource) {
    SetTable({"", "AD", "2C"}, {});
    EXPECT_FALSE(m_pDoc->CanMove(0, 1)) << "rank 0 must not pass as one below an Ace";
    EXPECT_FALSE(m_pDoc->CanMove(0, kPileHearts));
    EXPECT_FALSE(m_pDoc->MoveCard(0, 1));
    EXPECT_EQ(Fan(1), "AD");
    EXPECT_TRUE(TakeSounds().empty());
    EXPECT_FALSE(m_pDoc->CanMove(kPileHearts, 1)) << "nothing leaves a foundation";
    EXPECT_FALSE(m_pDoc->CanMove(-1, 1));
    EXPECT_FALSE(m_pDoc->CanMove(1, 22));
}

TEST_F(RulesTest, FoundationsBuildUpBySuitFromTheAce) {
    SetTable({"AH", "2H", "AC", "2S"});
    EXPECT_TRUE(m_pDoc->CanMove(0, kPileHearts));
    for (int p : {kPileClubs, kPileDiamonds, kPileSpades})
        EXPECT_FALSE(m_pDoc->CanMove(0, p));
    EXPECT_FALSE(m_pDoc->CanMove(1, kPileHearts)) << "the Two waits for its Ace";
    EXPECT_FALSE(m_pDoc->CanMove(3, kPileSpades));
    EXPECT_TRUE(m_pDoc->MoveCard(0, kPileHearts));
    EXPECT_TRUE(m_pDoc->CanMove(1, kPileHearts));
    EXPECT_TRUE(m_pDoc->MoveCard(1, kPileHearts));
    EXPECT_EQ(m_pDoc->GetTopCard(kPileHearts).GetRank(), 2);
    EXPECT_EQ(m_pDoc->GetTopCard(kPileHearts).GetSuit(), kHearts);
    EXPECT_TRUE(m_pDoc->MoveCard(2, kPileClubs));
    EXPECT_EQ(m_pDoc->GetTopCard(kPileClubs).GetRank(), 1);
}

TEST_F(RulesTest, ASuccessfulMovePlaysTheClickOnceRepaintsAndMarksTheChange) {
    SetTable({"2C 7H", "6S"});
    ASSERT_FALSE(m_pDoc->IsChanged());
    m_platform.m_invalidations.clear();
    EXPECT_TRUE(m_pDoc->MoveCard(0, 1));
    EXPECT_EQ(Fan(0), "2C");
    EXPECT_EQ(Fan(1), "6S 7H");
    std::vector<CSoundCall> expected = {kMoveSound};
    EXPECT_EQ(TakeSounds(), expected);
    ASSERT_EQ(m_platform.m_invalidations.size(), 1u);
    EXPECT_EQ(m_platform.m_invalidations[0].rc, CRect(104, 28, 164, 110));
    EXPECT_FALSE(m_platform.m_invalidations[0].bErase);
    EXPECT_EQ(m_pDoc->GetTopCardRect(0), CRect(10, 14, 70, 96));
    EXPECT_EQ(m_pDoc->GetTopCardRect(1), CRect(104, 28, 164, 110));
    EXPECT_TRUE(m_pDoc->IsChanged());
}

TEST_F(RulesTest, ARefusedMoveIsSilentAndRedrawsTheLiftedCard) {
    SetTable({"2C 7H", "9S"});
    ASSERT_FALSE(m_pDoc->IsChanged());
    m_platform.m_invalidations.clear();
    EXPECT_FALSE(m_pDoc->MoveCard(0, 1));
    EXPECT_TRUE(TakeSounds().empty());
    ASSERT_EQ(m_platform.m_invalidations.size(), 1u);
    EXPECT_EQ(m_platform.m_invalidations[0].rc, m_pDoc->GetTopCardRect(0));
    EXPECT_FALSE(m_pDoc->IsChanged());
    EXPECT_EQ(Fan(0), "2C 7H");
}

TEST_F(RulesTest, AMoveWithNoGameInProgressChangesTheTableButMarksNothing) {
    SetTable({"7H", "6S"}, {}, FALSE);
    ASSERT_FALSE(m_pDoc->IsChanged());
    EXPECT_TRUE(m_pDoc->MoveCard(0, 1));
    EXPECT_FALSE(m_pDoc->IsChanged());
}

TEST_F(RulesTest, TheKingsOptionTogglesAndItsCheckMarkFollows) {
    CCmdUI ui(ID_KINGS);
    ASSERT_TRUE(m_pDoc->OnCmdMsg(ID_KINGS, &ui));
    EXPECT_TRUE(ui.m_bEnabled);
    EXPECT_EQ(ui.m_nCheck, 0);
    ASSERT_TRUE(m_pDoc->OnCmdMsg(ID_KINGS, nullptr));
    EXPECT_EQ(m_pDoc->AreKingsAllowed(), TRUE);
    CCmdUI ui2(ID_KINGS);
    m_pDoc->OnCmdMsg(ID_KINGS, &ui2);
    EXPECT_EQ(ui2.m_nCheck, 1);
    m_pDoc->OnCmdMsg(ID_KINGS, nullptr);
    EXPECT_EQ(m_pDoc->AreKingsAllowed(), FALSE);
}
