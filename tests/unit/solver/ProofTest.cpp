// The proofs that cut the search must never cut a win: each is checked against the plain
// search on small tables, besides the cases it is made for.
#include "CardAnalysis.h"
#include "PositionText.h"
#include "RelaxedGame.h"
#include "SolverMoves.h"
#include "SolverTestSupport.h"
#include "TableJudge.h"

#include <gtest/gtest.h>

TEST(ProofTest, AKingAboveALowerCardOfItsSuitWithNowhereToGoIsALostTable) {
    // The King of Hearts covers the Five of Hearts; the only Queen left lies beneath it.
    CPosition position = MakePosition({"5H QH KH", "8H 7H 6H", "JH TH 9H"}, 13, 4, 13, 13);
    CCardAnalysis analysis{CSolverState(position)};
    EXPECT_TRUE(analysis.IsStuck(CardId(kHearts, 13)));
    EXPECT_TRUE(analysis.HasCycle());
    EXPECT_EQ(PlainSearch(position, 100000), 0);
    // With the Queen and King of Clubs about, the King can move and nothing is proven.
    CPosition open = MakePosition({"5H QH KH", "8H 7H 6H", "JH TH 9H", "QC", "KC"}, 11, 4, 13, 13);
    EXPECT_FALSE(CCardAnalysis(CSolverState(open)).HasCycle());
    EXPECT_EQ(PlainSearch(open, 100000), 1);
}

TEST(ProofTest, ACardIsSafeToSendHomeOnlyWhenNothingCanEverLandOnIt) {
    // The trap: the Five of Clubs could go home, but the Four of Hearts needs it.
    CSolverState trap(MakePosition(
        {"KD 5C", "3H 2H 4H", "8C 7C 6C", "JC TC 9C", "KC QC", "7H 6H 5H", "TH 9H 8H", "KH QH JH"},
        4, 1, 13, 12));
    EXPECT_FALSE(CCardAnalysis(trap).NeverCovered(CardId(kClubs, 5)));
    CTableJudge judge;
    EXPECT_EQ(judge.Examine(trap).m_nSafeFan, -1);
    // The Jack of Spades tops a full fan above the only Queen: it can only ever go home.
    CSolverState safe(MakePosition({"KS QS JS"}, 13, 13, 10, 13));
    EXPECT_TRUE(CCardAnalysis(safe).NeverCovered(CardId(kSpades, 11)));
    EXPECT_EQ(judge.Examine(safe).m_nSafeFan, 0);
}

TEST(ProofTest, EveryTableProvenLostIsLostByThePlainSearch) {
    std::mt19937 rng(31);
    int nProven = 0;
    int nSafe = 0;
    CTableJudge judge;
    for (int i = 0; i < 1500; ++i) {
        CPosition position = SmallTable(rng, i);
        CSolverState state(position);
        judge.Clear();
        CTableVerdict verdict = judge.Examine(state);
        if (!verdict.m_bDead && verdict.m_nSafeFan < 0) continue;
        int nPlain = PlainSearch(position, kPlainLimit);
        if (nPlain < 0) continue;
        if (verdict.m_bDead) {
            ++nProven;
            EXPECT_EQ(nPlain, 0) << "wrongly proven lost:\n" << FormatPositionText(position);
        } else {
            // Sending the safe card home must keep a winnable table winnable.
            ++nSafe;
            CSolverMove move{static_cast<std::uint8_t>(verdict.m_nSafeFan), kToHome,
                             static_cast<std::uint8_t>(state.Top(verdict.m_nSafeFan))};
            state.Apply(move);
            EXPECT_EQ(PlainSearch(state.ToPosition(), kPlainLimit), nPlain) << "table " << i;
        }
    }
    EXPECT_GE(nProven, 50);
    EXPECT_GE(nSafe, 50);
}

TEST(ProofTest, TheRelaxedGameNeverLosesAWinnableTable) {
    std::mt19937 rng(32);
    int nLost = 0;
    for (int i = 0; i < 1500; ++i) {
        CPosition position = SmallTable(rng, i);
        CSolverState state(position);
        for (int lo = 1; lo <= 13; lo += 1 + static_cast<int>(rng() % 4)) {
            int hi = lo + static_cast<int>(rng() % (14 - lo));
            CRelaxedGame relaxed;
            relaxed.SetMaxNodes(100000);
            if (relaxed.Examine(state, lo, hi) != RelaxedVerdict::Lost) continue;
            ++nLost;
            int nPlain = PlainSearch(position, kPlainLimit);
            EXPECT_NE(nPlain, 1) << "ranks " << lo << " to " << hi << " wrongly proven lost:\n"
                                 << FormatPositionText(position);
            break;
        }
    }
    EXPECT_GE(nLost, 50);
}

TEST(ProofTest, MovingTheLastCardOfAFanIsNeedlessOnlyWhenKingsCannotFillIt) {
    CPosition position = MakePosition({"QC", "KH JS", "KC", "KS QS"}, 11, 12, 10, 13);
    CSolverState plain(position);
    CSolverMove lone{0, 1, static_cast<std::uint8_t>(CardId(kClubs, 12))};
    ASSERT_TRUE(IsLegalMove(plain, 0, 1));
    EXPECT_TRUE(CTableJudge::IsNeedless(plain, lone));
    position.m_bKingsAllowed = true;
    EXPECT_FALSE(CTableJudge::IsNeedless(CSolverState(position), lone));
    CSolverMove notLone{1, 0, static_cast<std::uint8_t>(CardId(kSpades, 11))};
    ASSERT_TRUE(IsLegalMove(plain, 1, 0));
    EXPECT_FALSE(CTableJudge::IsNeedless(plain, notLone));
}
