// The program can be killed at any moment: what was counted and the position reached after the
// last recorded change must be in the settings store already.
#include "ModelTestSupport.h"

#include "resource.h"

namespace {
class PersistenceTest : public ModelTest {
protected:
    // Ends the run as a kill would: whatever the destructor writes is thrown away.
    void Kill() {
        CHeadlessRegistry stored = m_platform.m_registry;
        CloseDoc();
        m_platform.m_registry = stored;
    }
    std::string Table() const {
        std::string out;
        for (int f = 0; f < kFanCount; ++f)
            out += Fan(f) + "|";
        return out;
    }
    void FirstLegalMove() {
        for (int f = 0; f < kFanCount; ++f)
            for (int t = 0; t < kPileCount; ++t)
                if (m_pDoc->CanMove(f, t)) {
                    ASSERT_TRUE(m_pDoc->MoveCard(f, t));
                    return;
                }
        FAIL() << "no legal move";
    }
};

// Snapshots the settings store while the Game Over dialog is open.
class CKillDuringDialogPlatform : public CHeadlessPlatform {
public:
    int DoModal(CDialog& dlg) override {
        m_storedDuringDialog = m_registry;
        return CHeadlessPlatform::DoModal(dlg);
    }
    CHeadlessRegistry m_storedDuringDialog;
};
} // namespace

TEST_F(PersistenceTest, AGameKilledAfterAMoveComesBackAtThatMove) {
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    Idle();
    StoreScores(2, 0);
    FirstLegalMove();
    Idle();
    std::string afterMove = Table();
    Kill();
    MakeDoc(50);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_EQ(Table(), afterMove);
    EXPECT_EQ(m_pDoc->GetWins(), 2);
    EXPECT_EQ(m_pDoc->GetLosses(), 0);
}

TEST_F(PersistenceTest, AMoveNotYetRecordedIsNotStored) {
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    Idle();
    std::string beforeMove = Table();
    FirstLegalMove();
    Kill();
    MakeDoc(50);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_EQ(Table(), beforeMove);
}

TEST_F(PersistenceTest, AConfirmedNewGameStoresTheLossWithTheNewDeal) {
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    Idle();
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdOk}});
    m_platform.m_nTime = 2;
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    std::string newDeal = Table();
    Kill();
    MakeDoc(50);
    EXPECT_EQ(m_pDoc->GetLosses(), 1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_EQ(Table(), newDeal) << "the abandoned game never comes back";
    EXPECT_TRUE(m_pDoc->GetInitialRecord().IsProperDeal());
}

TEST_F(PersistenceTest, TheNewDealIsWrittenBeforeTheLossCount) {
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    Idle();
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdOk}});
    m_platform.m_registry.m_setLog.clear();
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    // A kill between the writes can lose the count, but never bring the abandoned game back.
    std::vector<std::string> expected = {"game", "initial", "scores", "expert"};
    EXPECT_EQ(m_platform.m_registry.m_setLog, expected);
}

TEST_F(PersistenceTest, ClosingWritesTheValuesInTheirUsualOrder) {
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    m_platform.m_registry.m_setLog.clear();
    CloseDoc();
    std::vector<std::string> expected = {"scores", "expert", "game", "initial"};
    EXPECT_EQ(m_platform.m_registry.m_setLog, expected);
}

TEST(PersistenceWinTest, AWinIsStoredBeforeTheGameOverDialogOpens) {
    CKillDuringDialogPlatform platform;
    StoreScores(platform, 4, 0);
    {
        CQuenlowDoc doc(platform);
        SetTableByCodes(doc, {});
        doc.CheckGameOver();
    }
    platform.m_registry = platform.m_storedDuringDialog;
    CQuenlowDoc doc(platform);
    EXPECT_EQ(doc.GetWins(), 5);
    EXPECT_FALSE(doc.HasSavedGame()) << "an empty table with no foundations is no game";
}

TEST_F(PersistenceTest, AResetConfirmedWithOkIsStoredAtOnce) {
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    Idle();
    StoreScores(8, 0);
    m_pDoc->SaveStateNow();
    m_platform.m_dialogScripts.push_back({IDD_SCORES, {IDC_RESET, kIdOk}});
    m_pDoc->OnScores();
    Kill();
    MakeDoc(1);
    EXPECT_EQ(m_pDoc->GetWins(), 0);
}

TEST_F(PersistenceTest, NewGameAfterAWinDealsInsteadOfRestoringTheWrittenGame) {
    MakeDoc(1);
    SetTable({"KH"}, {"KC", "KD", "KS", "QH"});
    ASSERT_TRUE(m_pDoc->MoveCard(0, kPileHearts));
    Idle();
    ASSERT_FALSE(m_pDoc->IsInProgress());
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_TRUE(m_pDoc->IsDealPending());
    ExpectAllCardsOnce();
}
