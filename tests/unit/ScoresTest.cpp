#include "ModelTestSupport.h"

#include "resource.h"

#include <climits>

namespace {
// Records what the document looked like while a dialog was open.
class CWatchingPlatform : public CHeadlessPlatform {
public:
    int DoModal(CDialog& dlg) override {
        if (m_pDoc != nullptr) {
            m_bInProgressDuringDialog = m_pDoc->IsInProgress();
            m_nWinsDuringDialog = m_pDoc->GetWins();
            m_strStatusDuringDialog = m_strStatus;
            m_nSoundsBeforeDialog = static_cast<int>(m_sounds.size());
        }
        return CHeadlessPlatform::DoModal(dlg);
    }
    CQuenlowDoc* m_pDoc = nullptr;
    BOOL m_bInProgressDuringDialog = -1;
    int m_nWinsDuringDialog = -1;
    std::string m_strStatusDuringDialog;
    int m_nSoundsBeforeDialog = -1;
};

class ScoresTest : public ModelTest {
protected:
    void SetUp() override { MakeDoc(); }
    void SetNearlyWon() {
        SetTable({"KH"}, {"KC", "KD", "KS", "QH"});
        m_pDoc->RecordStartPosition();
        Idle();
    }
    void Scores(std::vector<int> buttons) {
        m_platform.m_dialogScripts.push_back({IDD_SCORES, std::move(buttons)});
        m_pDoc->OnCmdMsg(ID_SCORES, nullptr);
    }
};
} // namespace

TEST_F(ScoresTest, TheLastCardHomeWinsAtTheNextIdleStep) {
    SetNearlyWon();
    m_platform.m_dialogScripts.push_back({IDD_GAMEOVER, {kIdOk}});
    ASSERT_TRUE(m_pDoc->MoveCard(0, kPileHearts));
    EXPECT_EQ(m_pDoc->GetWins(), 0) << "nothing happens inside the move itself";
    Idle();
    EXPECT_EQ(m_pDoc->GetWins(), 1);
    EXPECT_EQ(m_platform.m_strStatus, "Game Over!");
    std::vector<CSoundCall> expected = {{IDW_CARD_DOWN, 0x40006}, {IDW_WIN, 0x40007}};
    EXPECT_EQ(m_platform.m_sounds, expected);
    EXPECT_EQ(m_platform.m_dialogLog, std::vector<int>{IDD_GAMEOVER});
    EXPECT_FALSE(m_pDoc->IsInProgress());
    EXPECT_FALSE(m_pDoc->IsChanged());
    m_pDoc->CheckGameOver();
    EXPECT_EQ(m_pDoc->GetWins(), 1) << "a win is counted once";
}

TEST(ScoresOrderTest, TheGameEndsBeforeTheGameOverDialogRuns) {
    CWatchingPlatform platform;
    CQuenlowDoc doc(platform);
    platform.m_pDoc = &doc;
    SetTableByCodes(doc, {});
    doc.CheckGameOver();
    EXPECT_EQ(platform.m_bInProgressDuringDialog, FALSE);
    EXPECT_EQ(platform.m_nWinsDuringDialog, 1);
    EXPECT_EQ(platform.m_strStatusDuringDialog, "Game Over!");
    EXPECT_EQ(platform.m_nSoundsBeforeDialog, 1) << "the win sound starts before the dialog";
}

TEST_F(ScoresTest, AGameGoesOnWhileAnyFanHoldsACard) {
    SetTable({"", "", "5C"});
    m_pDoc->CheckGameOver();
    EXPECT_TRUE(m_pDoc->IsInProgress());
    EXPECT_EQ(m_pDoc->GetWins(), 0);
    EXPECT_TRUE(m_platform.m_dialogLog.empty());
}

TEST_F(ScoresTest, AWinIsCountedEvenWhenTheDialogCannotBeShown) {
    SetNearlyWon();
    ASSERT_TRUE(m_pDoc->MoveCard(0, kPileHearts));
    Idle();
    EXPECT_EQ(m_pDoc->GetWins(), 1);
    EXPECT_FALSE(m_pDoc->IsInProgress());
}

TEST_F(ScoresTest, NewGameAfterAWinDealsWithoutAskingOrCountingALoss) {
    SetNearlyWon();
    ASSERT_TRUE(m_pDoc->MoveCard(0, kPileHearts));
    Idle();
    m_platform.m_dialogLog.clear();
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_TRUE(m_platform.m_dialogLog.empty());
    EXPECT_EQ(m_pDoc->GetLosses(), 0);
    EXPECT_TRUE(m_pDoc->IsInProgress());
    ExpectAllCardsOnce();
}

TEST_F(ScoresTest, NewGameDuringAGameAsksAndCountsALossOnlyOnOk) {
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    Idle();
    std::string before = Fan(0) + Fan(1) + Fan(17);
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdCancel}});
    EXPECT_FALSE(m_pDoc->OnNewDocument());
    EXPECT_EQ(m_pDoc->GetLosses(), 0);
    EXPECT_EQ(Fan(0) + Fan(1) + Fan(17), before);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 2);
    EXPECT_FALSE(m_pDoc->OnNewDocument()) << "a dialog that cannot be shown counts as Cancel";
    EXPECT_EQ(m_pDoc->GetLosses(), 0);
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdOk}});
    m_platform.m_nTime = 777;
    EXPECT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_EQ(m_pDoc->GetLosses(), 1);
    EXPECT_TRUE(m_pDoc->IsDealPending());
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 1);
}

TEST_F(ScoresTest, ScoresShowsTheCountersAsTextInTheirControls) {
    StoreScores(3, -5);
    Scores({kIdCancel});
    EXPECT_EQ(m_platform.m_dialogInitTexts[IDC_WINS], "3");
    EXPECT_EQ(m_platform.m_dialogInitTexts[IDC_LOSSES], "-5");
    EXPECT_EQ(m_pDoc->GetWins(), 3);
}

TEST_F(ScoresTest, ResetZeroesTheCountersOnlyWhenConfirmedWithOk) {
    StoreScores(3, 5);
    Scores({IDC_RESET, kIdCancel});
    EXPECT_EQ(m_pDoc->GetWins(), 3);
    EXPECT_EQ(m_pDoc->GetLosses(), 5);
    Scores({kIdOk});
    EXPECT_EQ(m_pDoc->GetWins(), 3);
    EXPECT_EQ(m_pDoc->GetLosses(), 5);
    Scores({IDC_RESET, IDC_RESET, kIdOk});
    EXPECT_EQ(m_pDoc->GetWins(), 0);
    EXPECT_EQ(m_pDoc->GetLosses(), 0);
}

TEST_F(ScoresTest, OkWithoutResetKeepsTheCountersEvenWhenWinsIsZero) {
    StoreScores(0, 5);
    Scores({kIdOk});
    EXPECT_EQ(m_pDoc->GetLosses(), 5);
    Scores({});
    EXPECT_EQ(m_pDoc->GetLosses(), 5) << "a dialog that never closes changes nothing";
}

TEST_F(ScoresTest, CountersStopAtTheLargestValue) {
    StoreScores(0, INT_MAX);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdOk}});
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    EXPECT_EQ(m_pDoc->GetLosses(), INT_MAX);
    StoreScores(INT_MAX, INT_MAX);
    SetNearlyWon();
    ASSERT_TRUE(m_pDoc->MoveCard(0, kPileHearts));
    Idle();
    EXPECT_EQ(m_pDoc->GetWins(), INT_MAX);
}
