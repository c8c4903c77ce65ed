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
               state.Home(CardSuit(nCard)) == CardRank(nCard) - 1;
    int nCount = state.Count(nTo);
    if (nCount == kSolverSlots) return false;
    if (nCount > 0) return AreNeighbours(CardRank(nCard), CardRank(state.Top(nTo)));
    return state.KingsAllowed() && CardRank(nCard) == 13;
}

int GenerateMoves(const CSolverState& state, CSolverMove* pMoves) {
    // Fans with room, by the rank of their top card; ranks 0 and 14 stay empty.
    std::uint32_t nRoomByRank[15] = {};
    int nFirstEmpty = -1;
    for (int f = 0; f < kSolverFans; ++f) {
        int n = state.Count(f);
        if (n == 0 && nFirstEmpty < 0)
            nFirstEmpty = f;
        else if (n > 0 && n < kSolverSlots)
            nRoomByRank[CardRank(state.Top(f))] |= 1u << f;
    }
    int nMoves = 0;
    for (int f = 0; f < kSolverFans; ++f) {
        int nCard = state.Top(f);
        if (nCard >= 0 && state.Home(CardSuit(nCard)) == CardRank(nCard) - 1)
            pMoves[nMoves++] = CSolverMove{static_cast<std::uint8_t>(f), kToHome,
                                           static_cast<std::uint8_t>(nCard)};
    }
    for (int f = 0; f < kSolverFans; ++f) {
        int nCard = state.Top(f);
        if (nCard < 0) continue;
        int nRank = CardRank(nCard);
        std::uint32_t nTargets = nRoomByRank[nRank - 1] | nRoomByRank[nRank + 1];
        if (nRank == 13 && state.KingsAllowed() && nFirstEmpty >= 0 && state.Count(f) > 1)
            nTargets |= 1u << nFirstEmpty;
        for (; nTargets != 0; nTargets &= nTargets - 1)
            pMoves[nMoves++] = CSolverMove{static_cast<std::uint8_t>(f),
                                           static_cast<std::uint8_t>(__builtin_ctz(nTargets)),
                                           static_cast<std::uint8_t>(nCard)};
    }
    return nMoves;
}
