#include "SolverMoves.h"

#include "GameRules.h"

#include <array>

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
// For each rank, the top ranks (bit r) of the fans it fits onto: the game's rule as a table.
constexpr std::array<std::uint32_t, kKing + 1> kFitsOnRanks = [] {
    std::array<std::uint32_t, kKing + 1> table{};
    for (int nRank = kAce; nRank <= kKing; ++nRank)
        for (int nTop = kAce; nTop <= kKing; ++nTop)
            if (FitsOnFan(nRank, nTop, false)) table[nRank] |= 1u << nTop;
    return table;
}();
} // namespace

int GenerateMoves(const CSolverState& state, CSolverMove* pMoves) {
    // Fans with room, by the rank of their top card.
    std::uint32_t nRoomByRank[kKing + 1] = {};
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
        std::uint32_t nTargets = 0;
        for (std::uint32_t m = kFitsOnRanks[nRank]; m != 0; m &= m - 1)
            nTargets |= nRoomByRank[__builtin_ctz(m)];
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
