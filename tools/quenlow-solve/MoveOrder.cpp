#include "MoveOrder.h"

#include <algorithm>

namespace {
// How much it matters that a card is covered: the sooner its foundation wants it, the more.
int Urgency(const CSolverState& state, int nCard) {
    int nNeed = CardRank(nCard) - state.Home(CardSuit(nCard));
    return nNeed >= 6 ? 1 : 64 >> nNeed;
}

// The change a move makes in how deeply the cards are buried, weighted by urgency.
int BurialChange(const CSolverState& state, const CSolverMove& move) {
    int nDelta = 0;
    int nFrom = move.m_nFrom;
    for (int s = 0; s < state.Count(nFrom) - 1; ++s)
        nDelta -= Urgency(state, state.Card(nFrom, s));
    if (move.m_nTo != kToHome) {
        int nTo = move.m_nTo;
        for (int s = 0; s < state.Count(nTo); ++s)
            nDelta += Urgency(state, state.Card(nTo, s));
    }
    return nDelta;
}
} // namespace

int CMoveJitter::Next() {
    if (m_nSpread == 0) return 0;
    m_nState = m_nState * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((m_nState >> 33) % static_cast<std::uint64_t>(m_nSpread));
}

void OrderMoves(const CSolverState& state, CSolverMove* pMoves, int nMoves, CMoveJitter& jitter) {
    // Foundation moves first, then the moves that uncover the most wanted cards; ties keep
    // the order of generation so that the search is repeatable.
    int nKey[kMaxMoves];
    int nOrder[kMaxMoves];
    for (int i = 0; i < nMoves; ++i) {
        nKey[i] =
            pMoves[i].m_nTo == kToHome ? -100000 : BurialChange(state, pMoves[i]) + jitter.Next();
        nOrder[i] = i;
    }
    std::stable_sort(nOrder, nOrder + nMoves, [&](int a, int b) { return nKey[a] < nKey[b]; });
    CSolverMove sorted[kMaxMoves];
    for (int i = 0; i < nMoves; ++i)
        sorted[i] = pMoves[nOrder[i]];
    std::copy(sorted, sorted + nMoves, pMoves);
}
