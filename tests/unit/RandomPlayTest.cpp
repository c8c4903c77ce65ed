// Long random sequences of everything a player can do, checking after every step that the
// table is a table the game could be in.
#include "ModelTestSupport.h"

#include "resource.h"

#include <random>

namespace {
class RandomPlayTest : public ModelTest {
protected:
    void CheckInvariants(int nStep) {
        SCOPED_TRACE("step " + std::to_string(nStep));
        const CQuenlowDoc& doc = *m_pDoc;
        int count[kCardCount] = {};
        for (int f = 0; f < kFanCount; ++f) {
            for (int s = 1; s < kFanSlots; ++s)
                ASSERT_FALSE(doc.GetCard(f, s).HasCard() && !doc.GetCard(f, s - 1).HasCard())
                    << "gap in fan " << f;
            for (int s = 0; s < kFanSlots; ++s)
                if (const CCard card = doc.GetCard(f, s); card.HasCard())
                    ++count[card.GetSuit() * kRankCount + card.GetRank() - 1];
            CRect rc;
            int n = doc.GetCardCount(f);
            if (n > 0) doc.GetCardRect(f, n - 1, rc);
            ASSERT_EQ(doc.GetTopCardRect(f), rc) << "fan " << f;
        }
        for (int p = kFanCount; p < kPileCount; ++p) {
            const CCard top = doc.GetTopCard(p);
            ASSERT_EQ(FoundationPileOfSuit(top.GetSuit()), p);
            ASSERT_EQ(top.HasCard(), top.GetRank() > 0);
            for (int r = 1; r <= top.GetRank(); ++r)
                ++count[top.GetSuit() * kRankCount + r - 1];
        }
        for (int k = 0; k < kCardCount; ++k)
            ASSERT_EQ(count[k], 1) << CardCode(k / kRankCount, k % kRankCount + 1);
        ASSERT_GE(doc.GetHistoryCount(), 0);
        ASSERT_LE(doc.GetHistoryCount(), kHistoryLimit);
        ASSERT_EQ(doc.GetWins(), m_nWins);
        ASSERT_EQ(doc.GetLosses(), m_nLosses);
    }

    bool AllFansEmpty() const {
        for (int f = 0; f < kFanCount; ++f)
            if (m_pDoc->GetCardCount(f) > 0) return false;
        return true;
    }

    void Step(std::mt19937& rng) {
        CQuenlowDoc& doc = *m_pDoc;
        switch (std::uniform_int_distribution<int>(0, 19)(rng)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5: { // a legal move, foundations preferred
            std::vector<std::pair<int, int>> moves;
            for (int f = 0; f < kFanCount; ++f)
                for (int t = 0; t < kPileCount; ++t)
                    if (doc.CanMove(f, t)) moves.emplace_back(f, t);
            if (!moves.empty()) {
                auto mv = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
                if (rng() % 2 == 0)
                    for (auto& m : moves)
                        if (m.second >= kFanCount) mv = m;
                ASSERT_TRUE(doc.MoveCard(mv.first, mv.second));
            }
            break;
        }
        case 6: { // any move, legal or not, checked first as the view does
            int f = std::uniform_int_distribution<int>(-1, 22)(rng);
            int t = std::uniform_int_distribution<int>(-1, 22)(rng);
            if (doc.CanMove(f, t)) doc.MoveCard(f, t);
            break;
        }
        case 7:
        case 8:
        case 9:
        case 10:
        case 11:
            Idle();
            break;
        case 12:
        case 13:
            if (Enabled(ID_EDIT_UNDO)) doc.OnCmdMsg(ID_EDIT_UNDO, nullptr);
            break;
        case 14:
            if (Enabled(ID_START_OVER)) doc.OnCmdMsg(ID_START_OVER, nullptr);
            break;
        case 15: { // New Game, answered OK or Cancel
            bool bOk = rng() % 2 == 0;
            if (doc.IsInProgress())
                m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {bOk ? kIdOk : kIdCancel}});
            m_platform.m_nTime = rng();
            bool bCounts = doc.IsInProgress() && bOk;
            doc.OnNewDocument();
            if (bCounts) ++m_nLosses;
            m_platform.m_dialogScripts.clear();
            break;
        }
        case 16:
            doc.OnCmdMsg(ID_KINGS, nullptr);
            break;
        case 17: { // close and start again
            m_platform.m_nTime = rng();
            CloseDoc();
            MakeDoc(m_platform.m_nTime);
            ASSERT_TRUE(m_pDoc->OnNewDocument());
            break;
        }
        case 18: // Scores, sometimes reset
            if (rng() % 8 == 0) {
                m_platform.m_dialogScripts.push_back({IDD_SCORES, {IDC_RESET, kIdOk}});
                m_nWins = m_nLosses = 0;
            } else {
                m_platform.m_dialogScripts.push_back({IDD_SCORES, {IDC_RESET, kIdCancel}});
            }
            doc.OnScores();
            break;
        default: // play to the foundations whatever can go there
            for (bool bMoved = true; bMoved;) {
                bMoved = false;
                for (int f = 0; f < kFanCount; ++f)
                    for (int t = kFanCount; t < kPileCount; ++t)
                        if (doc.CanMove(f, t) && doc.MoveCard(f, t)) {
                            bMoved = true;
                            Idle();
                            AccountForWin();
                        }
            }
            break;
        }
    }

    bool Enabled(int nID) {
        CCmdUI ui(nID);
        m_pDoc->OnCmdMsg(nID, &ui);
        return ui.m_bEnabled != FALSE;
    }

    // The idle step counts a win exactly when a game in play has all its fans empty.
    void AccountForWin() {
        if (m_bWasInProgress && !m_pDoc->IsInProgress() && AllFansEmpty()) ++m_nWins;
        m_bWasInProgress = m_pDoc->IsInProgress();
    }

    int m_nWins = 0;
    int m_nLosses = 0;
    BOOL m_bWasInProgress = FALSE;
};
} // namespace

TEST_F(RandomPlayTest, AHundredThousandRandomStepsKeepTheTableSound) {
    std::mt19937 rng(20261208);
    MakeDoc(1);
    ASSERT_TRUE(m_pDoc->OnNewDocument());
    m_bWasInProgress = m_pDoc->IsInProgress();
    for (int nStep = 0; nStep < 100000; ++nStep) {
        m_bWasInProgress = m_pDoc->IsInProgress();
        Step(rng);
        if (HasFatalFailure()) return;
        AccountForWin();
        CheckInvariants(nStep);
        if (HasFatalFailure()) return;
    }
}
