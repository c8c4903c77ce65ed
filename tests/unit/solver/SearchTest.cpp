// The search's answers: every win replayed by the game's own rules, every "not winnable"
// on small tables checked against a search with no pruning at all.
#include "SeedDeal.h"
#include "SolutionPruner.h"
#include "SolutionShortener.h"
#include "SolverMoves.h"
#include "SolverSearch.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

namespace {
// Every try, or only the depth-first ones (without the opening proof and the best-first try).
enum class Tries { BestFirstThenDepthFirst, DepthFirstOnly, OneDepthFirst, ManyDepthFirst };

CSolveReport Solve(const CPosition& position, double dSeconds = 0, std::uint64_t nStates = 0,
                   Tries tries = Tries::BestFirstThenDepthFirst) {
    CSolver solver(std::size_t(64) << 20);
    CSolveLimits limits;
    limits.m_dMaxSeconds = dSeconds;
    limits.m_nMaxStates = nStates;
    if (tries != Tries::BestFirstThenDepthFirst) {
        limits.m_nOpeningNodes = 0;
        limits.m_nFirstTryStates = 0;
    }
    if (tries == Tries::OneDepthFirst) limits.m_nFirstBudget = 0;
    if (tries == Tries::ManyDepthFirst) limits.m_nFirstBudget = 4; // starts again very often
    return solver.Solve(position, limits);
}

// Fans [KD 5C] and [3H 2H 4H], Clubs up to the Four, Hearts at the Ace: the Five of Clubs may
// go home at once, but the Four of Hearts needs it as a step to free the Two of Hearts.
CPosition TrapPosition() {
    return MakePosition(
        {"KD 5C", "3H 2H 4H", "8C 7C 6C", "JC TC 9C", "KC QC", "7H 6H 5H", "TH 9H 8H", "KH QH JH"},
        4, 1, 13, 12);
}
} // namespace

TEST(SearchTest, SolutionsOfDealsPlayThroughTheGameToAnEmptyTable) {
    int nWins = 0;
    for (std::uint32_t nSeed = 0; nSeed < 12; ++nSeed) {
        for (bool bKings : {false, true}) {
            CPosition position = MakeSeedPosition(nSeed, bKings);
            CSolveReport report =
                Solve(position, 0.5, 0,
                      nSeed % 2 == 0 ? Tries::BestFirstThenDepthFirst : Tries::DepthFirstOnly);
            if (report.m_result != SolveResult::Winnable) continue;
            ++nWins;
            std::string failure;
            EXPECT_TRUE(ReplaySolution(position, report.m_moves, failure))
                << "seed " << nSeed << (bKings ? " with Kings: " : ": ") << failure;
            EXPECT_LT(report.m_moves.size(), 400u) << "seed " << nSeed;
        }
    }
    EXPECT_GE(nWins, 12);
}

TEST(SearchTest, AnswersOnSmallTablesMatchAPlainSearchWithoutPruning) {
    std::mt19937 rng(21);
    int nCounts[2] = {};
    for (int i = 0; i < 400; ++i) {
        CPosition position = SmallTable(rng, i);
        int nPlain = PlainSearch(position, kPlainLimit);
        if (nPlain < 0) continue;
        ++nCounts[nPlain];
        // The best-first try run to the end, the depth-first search alone, started again in
        // other orders many times before a try runs to its end, and never started again (a
        // single try keeps no sets of lost tables).
        for (Tries tries : {Tries::BestFirstThenDepthFirst, Tries::DepthFirstOnly,
                            Tries::ManyDepthFirst, Tries::OneDepthFirst}) {
            CSolveReport report = Solve(position, 0, 0, tries);
            ASSERT_NE(report.m_result, SolveResult::Undecided);
            EXPECT_EQ(report.m_result == SolveResult::Winnable, nPlain == 1) << "table " << i;
            std::string failure;
            if (report.m_result == SolveResult::Winnable) {
                EXPECT_TRUE(ReplaySolution(position, report.m_moves, failure)) << failure;
            }
        }
    }
    // The sample must hold enough of both answers to mean something.
    EXPECT_GE(nCounts[0], 40);
    EXPECT_GE(nCounts[1], 40);
}

TEST(SearchTest, AFoundationMoveThatLooksSafeIsNotTakenWhenItLoses) {
    CPosition position = TrapPosition();
    CSolveReport report = Solve(position);
    ASSERT_EQ(report.m_result, SolveResult::Winnable);
    std::string failure;
    EXPECT_TRUE(ReplaySolution(position, report.m_moves, failure)) << failure;

    // With the Five of Clubs home first the game is lost, and both searches know it.
    CPosition after = TrapPosition();
    after.m_fan[0].pop_back();
    after.m_nHome[0] = 5;
    EXPECT_EQ(PlainSearch(after, kPlainLimit), 0);
    EXPECT_EQ(Solve(after).m_result, SolveResult::NotWinnable);
}

TEST(SearchTest, StartingAgainInAnotherOrderWinsWhereTheFirstOrderIsLost) {
    // The plain order spends millions of tables in a subtree without a win on this deal.
    CPosition position = MakeSeedPosition(35, false);
    EXPECT_EQ(Solve(position, 0, 100000, Tries::OneDepthFirst).m_result, SolveResult::Undecided);
    CSolveReport report = Solve(position, 0, 100000, Tries::DepthFirstOnly);
    ASSERT_EQ(report.m_result, SolveResult::Winnable);
    std::string failure;
    EXPECT_TRUE(ReplaySolution(position, report.m_moves, failure)) << failure;
    EXPECT_LT(report.m_moves.size(), 400u);
}

TEST(SearchTest, ALaterTrySkipsWhatAnEarlierTryProvedLost) {
    // The trap with the Five of Clubs home: lost, and too big for the first tries' budgets.
    CPosition after = TrapPosition();
    after.m_fan[0].pop_back();
    after.m_nHome[0] = 5;
    CSolveReport many = Solve(after, 0, 0, Tries::ManyDepthFirst);
    CSolveReport one = Solve(after, 0, 0, Tries::OneDepthFirst);
    EXPECT_EQ(many.m_result, SolveResult::NotWinnable);
    EXPECT_EQ(one.m_result, SolveResult::NotWinnable);
    EXPECT_GT(many.m_nKnownLost, 0u);
    EXPECT_EQ(one.m_nKnownLost, 0u);
}

TEST(SearchTest, LimitsLeaveTheAnswerUndecided) {
    CPosition position = MakeSeedPosition(1, false);
    CSolveReport report = Solve(position, 0, 3);
    EXPECT_EQ(report.m_result, SolveResult::Undecided);
    EXPECT_EQ(report.m_strLimit, "state limit");
    EXPECT_TRUE(report.m_moves.empty());

    CSolver small(std::size_t(1) << 20); // room for some 29,000 tables: too few for seed 23
    CSolveReport full = small.Solve(MakeSeedPosition(23, false), CSolveLimits());
    EXPECT_EQ(full.m_result, SolveResult::Undecided);
    EXPECT_EQ(full.m_strLimit, "memory limit");
}

TEST(SearchTest, AnEmptyTableIsWonWithNoMoves) {
    CSolveReport report = Solve(MakePosition({}, 13, 13, 13, 13));
    EXPECT_EQ(report.m_result, SolveResult::Winnable);
    EXPECT_TRUE(report.m_moves.empty());
}

namespace {
using Shortening = std::vector<CSolverMove> (*)(const CPosition&, const std::vector<CSolverMove>&);

// A fan move and its way back, made just before a move of the solution or around it.
enum class Detour { Before, Around };

bool Apart(const CSolverMove& a, const CSolverMove& b) {
    return a.m_nFrom != b.m_nFrom && a.m_nFrom != b.m_nTo && a.m_nTo != b.m_nFrom &&
           a.m_nTo != b.m_nTo;
}

// Plays a detour and the move; false (nothing played) when there is none. A detour around
// the move sends away a card that the move does not touch, so no shortcut from one table to
// a later one removes it.
bool AddDetour(CSolverState& state, const CSolverMove& move, Detour kind,
               std::vector<CSolverMove>& out) {
    bool bAround = kind == Detour::Around;
    if (bAround && move.m_nTo == kToHome) return false;
    CSolverMove moves[kMaxMoves];
    int n = GenerateMoves(state, moves);
    for (int i = 0; i < n; ++i) {
        CSolverMove away = moves[i];
        CSolverMove back{away.m_nTo, away.m_nFrom, away.m_nCard};
        if (away.m_nTo == kToHome) continue;
        if (bAround ? away.m_nCard == move.m_nCard || !Apart(away, move)
                    : state.Count(away.m_nFrom) < 2)
            continue;
        CSolverMove played[3] = {away, bAround ? move : back, bAround ? back : move};
        CSolverState probe = state;
        int k = 0;
        for (; k < 3 && IsLegalMove(probe, played[k].m_nFrom, played[k].m_nTo); ++k)
            probe.Apply(played[k]);
        if (k < 3) continue;
        state = probe;
        out.insert(out.end(), played, played + 3);
        return true;
    }
    return false;
}

// The solution of seed 3 with a detour wherever there is one. The detoured solution plays;
// the shortening of it plays too and is no longer than the solution was before.
void ExpectDetoursTakenOut(Detour kind, Shortening shorten, int nAtLeast) {
    CPosition position = MakeSeedPosition(3, false);
    CSolveReport report = Solve(position);
    ASSERT_EQ(report.m_result, SolveResult::Winnable);
    std::vector<CSolverMove> detoured;
    CSolverState state(position);
    int nDetours = 0;
    for (const CSolverMove& move : report.m_moves) {
        if (AddDetour(state, move, kind, detoured)) {
            ++nDetours;
            continue;
        }
        detoured.push_back(move);
        state.Apply(move);
    }
    ASSERT_GE(nDetours, nAtLeast);
    std::string failure;
    ASSERT_TRUE(ReplaySolution(position, detoured, failure)) << failure;
    std::vector<CSolverMove> shorter = shorten(position, detoured);
    EXPECT_TRUE(ReplaySolution(position, shorter, failure)) << failure;
    EXPECT_LE(shorter.size(), report.m_moves.size());
}
} // namespace

TEST(SearchTest, DetoursAreTakenOutOfSolutions) {
    ExpectDetoursTakenOut(Detour::Before, ShortenSolution, 10);
}

TEST(SearchTest, RoundTripsAroundOtherMovesArePrunedOut) {
    ExpectDetoursTakenOut(Detour::Around, PruneSolution, 5);
}

TEST(SearchTest, AWinFoundAfterAWanderOfThousandsOfMovesIsCutShort) {
    // The search wins this deal after wandering over 7,000 fan moves with nine cards home;
    // the shortcuts and the pruning alone left over 3,000 moves.
    CPosition position = MakeSeedPosition(3763, false);
    CSolveReport report = Solve(position, 20);
    ASSERT_EQ(report.m_result, SolveResult::Winnable);
    std::string failure;
    EXPECT_TRUE(ReplaySolution(position, report.m_moves, failure)) << failure;
    EXPECT_LT(report.m_moves.size(), 300u);
}
