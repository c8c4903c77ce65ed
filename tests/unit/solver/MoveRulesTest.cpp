// The solver's own move rules against the game's: every pair of piles on random tables.
#include "SolverMoves.h"
#include "SolverTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {
// Random tables of every size, some with empty fans, with and without Kings in empty fans.
std::vector<CPosition> SampleTables(int nCount, unsigned nSeed) {
    std::mt19937 rng(nSeed);
    std::vector<CPosition> tables;
    for (int i = 0; i < nCount; ++i) {
        int nCards = 4 + static_cast<int>(rng() % 49);
        int nFans = std::min(18, (nCards + 2) / 3 + static_cast<int>(rng() % 10));
        tables.push_back(RandomPosition(rng, nCards, nFans, i % 2 == 1));
    }
    return tables;
}

std::set<std::pair<int, int>> Generated(const CSolverState& state) {
    CSolverMove moves[kMaxMoves];
    int n = GenerateMoves(state, moves);
    std::set<std::pair<int, int>> out;
    for (int i = 0; i < n; ++i) {
        int nTo =
            moves[i].m_nTo == kToHome ? HomePileOfSuit(CardSuit(moves[i].m_nCard)) : moves[i].m_nTo;
        EXPECT_EQ(moves[i].m_nCard, state.Top(moves[i].m_nFrom));
        EXPECT_TRUE(out.insert({moves[i].m_nFrom, nTo}).second) << "a move made twice";
    }
    return out;
}

// The fans' contents as a sorted list: equal for tables that differ only in fan order.
std::vector<std::vector<int>> FanMultiset(const CSolverState& state) {
    std::vector<std::vector<int>> fans;
    for (int f = 0; f < kSolverFans; ++f) {
        std::vector<int> fan;
        for (int s = 0; s < state.Count(f); ++s)
            fan.push_back(state.Card(f, s));
        fans.push_back(fan);
    }
    std::sort(fans.begin(), fans.end());
    return fans;
}
} // namespace

TEST(MoveRulesTest, LegalityAgreesWithCanMoveForEveryPairOfPiles) {
    for (const CPosition& position : SampleTables(300, 11)) {
        CSolverState state(position);
        CRulesDoc rules(position);
        for (int nFrom = 0; nFrom < kSolverFans; ++nFrom)
            for (int nTo = 0; nTo < 22; ++nTo)
                ASSERT_EQ(IsLegalMove(state, nFrom, nTo), rules.Doc().CanMove(nFrom, nTo) != FALSE)
                    << "from " << nFrom << " to " << nTo;
    }
}

TEST(MoveRulesTest, GeneratedMovesAreTheLegalOnesLessKingsShuffledAmongEmptyFans) {
    int nEmptyFanKings = 0;
    for (const CPosition& position : SampleTables(300, 12)) {
        CSolverState state(position);
        std::set<std::pair<int, int>> generated = Generated(state);
        int nFirstEmpty = -1;
        for (int f = kSolverFans - 1; f >= 0; --f)
            if (state.Count(f) == 0) nFirstEmpty = f;
        for (int nFrom = 0; nFrom < kSolverFans; ++nFrom) {
            for (int nTo = 0; nTo < 22; ++nTo) {
                bool bLegal = IsLegalMove(state, nFrom, nTo);
                // A King may go to any empty fan; one of them stands for all, and a King
                // alone in its fan gains nothing by changing fans.
                bool bSkipped = nTo < kSolverFans && state.Count(nTo) == 0 &&
                                (nTo != nFirstEmpty || state.Count(nFrom) == 1);
                nEmptyFanKings += bLegal && nTo < kSolverFans && state.Count(nTo) == 0;
                EXPECT_EQ(generated.count({nFrom, nTo}) == 1, bLegal && !bSkipped)
                    << "from " << nFrom << " to " << nTo;
            }
        }
    }
    EXPECT_GT(nEmptyFanKings, 0) << "the sample never tried a King on an empty fan";
}

TEST(MoveRulesTest, MovesChangeTheTableAsMoveCardDoesAndUndoRestoresIt) {
    for (const CPosition& position : SampleTables(100, 13)) {
        CSolverState state(position);
        CSolverMove moves[kMaxMoves];
        int n = GenerateMoves(state, moves);
        for (int i = 0; i < n; ++i) {
            CRulesDoc rules(position);
            int nTo = moves[i].m_nTo == kToHome ? HomePileOfSuit(CardSuit(moves[i].m_nCard))
                                                : moves[i].m_nTo;
            ASSERT_TRUE(rules.Doc().MoveCard(moves[i].m_nFrom, nTo));
            state.Apply(moves[i]);
            EXPECT_EQ(CRulesDoc(state.ToPosition()).Table(), rules.Table());
            state.Undo(moves[i]);
            EXPECT_EQ(CRulesDoc(state.ToPosition()).Table(), CRulesDoc(position).Table());
        }
    }
}

TEST(MoveRulesTest, KeysAreEqualExactlyForTablesThatDifferOnlyInFanOrder) {
    std::mt19937 rng(14);
    for (int nWalk = 0; nWalk < 40; ++nWalk) {
        bool bKings = nWalk % 2 == 0;
        CSolverState state(RandomPosition(rng, 20 + nWalk % 20, 14, bKings));
        std::map<std::vector<std::vector<int>>, std::vector<std::uint64_t>> keyOf;
        std::set<std::vector<std::uint64_t>> keys;
        for (int nStep = 0; nStep < 300; ++nStep) {
            CStateKey key = state.Key();
            std::vector<std::uint64_t> words(std::begin(key.m_w), std::end(key.m_w));
            auto fans = FanMultiset(state);
            auto it = keyOf.find(fans);
            if (it != keyOf.end())
                EXPECT_EQ(it->second, words);
            else
                EXPECT_TRUE(keys.insert(words).second) << "two different tables share a key";
            keyOf[fans] = words;
            CSolverMove moves[kMaxMoves];
            int n = GenerateMoves(state, moves);
            if (n == 0) break;
            CSolverMove move = moves[rng() % n];
            // Now and then a King goes to some other empty fan than the one generated.
            if (bKings && move.m_nTo < kSolverFans && state.Count(move.m_nTo) == 0) {
                std::vector<int> empty;
                for (int f = 0; f < kSolverFans; ++f)
                    if (state.Count(f) == 0) empty.push_back(f);
                move.m_nTo = static_cast<std::uint8_t>(empty[rng() % empty.size()]);
            }
            state.Apply(move);
        }
    }
}
