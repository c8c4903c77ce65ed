#include "SolverMoves.h"

#include "GameRules.h"

int HomePileOfSuit(int nSuit) {
    return FoundationPileOfSuit(nSuit);
}

bool IsLegalMove(const CSolverState& state, int nFrom, int nTo) {
    if (nFrom < 0 || nFrom >= kSolverFans || state.Count(nFrom) == 0 || nTo < 0 ||
        nTo >= kPileCount)
        return false;
    int nCard = state.Top(nFrom);
    if (nTo >= kSolverFans)
        return HomePileOfSuit(CardSuit(nCard)) == nTo &&
               FitsOnFoundation(CardRank(nCard), state.Home(CardSuit(nCard)));
    int nCount = state.Count(nTo);
    return FanHasRoom(nCount) &&
           FitsOnFan(CardRank(nCard), nCount > 0 ? CardRank(state.Top(nTo)) : 0,
                     state.KingsAllowed());
}

namespace {
// The move generator looks a card's targets up among the fans whose top rank is one below or
// one above its own; the compiler checks that these are exactly the ranks the game's rule
// lets it land on, for every rank.
constexpr bool RuleFitsTheNeighbourLookUp() {
    for (int nRank = kAce; nRank <= kKing; ++nRank)
        for (int nTop = kAce; nTop <= kKing; ++nTop)
            if (FitsOnFan(nRank, nTop, false) != (nTop == nRank - 1 || nTop == nRank + 1))
                return false;
    return true;
}
static_assert(RuleFitsTheNeighbourLookUp(), "the move generator's look-up differs from the rule");
} // namespace

int GenerateMoves(const CSolverState& state, CSolverMove* pMoves) {
    // Fans with room, by the rank of their top card; ranks 0 and kKing + 1 stay empty.
    std::uint32_t nRoomByRank[kKing + 2] = {};
    int nFirstEmpty = -1;
    for (int f = 0; f < kSolverFans; ++f) {
        int n = state.Count(f);
        if (n == 0 && nFirstEmpty < 0)
            nFirstEmpty = f;
        else if (n > 0 && FanHasRoom(n))
            nRoomByRank[CardRank(state.Top(f))] |= 1u << f;
    }
    int nMoves = 0;
    for (int f = 0; f < kSolverFans; ++f) {
        int nCard = state.Top(f);
        if (nCard >= 0 && FitsOnFoundation(CardRank(nCard), state.Home(CardSuit(nCard))))
            pMoves[nMoves++] = CSolverMove{static_cast<std::uint8_t>(f), kToHome,
                                           static_cast<std::uint8_t>(nCard)};
    }
    for (int f = 0; f < kSolverFans; ++f) {
        int nCard = state.Top(f);
        if (nCard < 0) continue;
        int nRank = CardRank(nCard);
        std::uint32_t nTargets = nRoomByRank[nRank - 1] | nRoomByRank[nRank + 1];
        // A King alone on its fan gains nothing by moving to an empty one.
        if (nFirstEmpty >= 0 && state.Count(f) > 1 && FitsOnFan(nRank, 0, state.KingsAllowed()))
            nTargets |= 1u << nFirstEmpty;
        for (; nTargets != 0; nTargets &= nTargets - 1)
            pMoves[nMoves++] = CSolverMove{static_cast<std::uint8_t>(f),
                                           static_cast<std::uint8_t>(__builtin_ctz(nTargets)),
                                           static_cast<std::uint8_t>(nCard)};
    }
    return nMoves;
}
