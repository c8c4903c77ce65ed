#include "CardAnalysis.h"

// The stuck set M is the largest set of table cards such that every possible base of each
// card of M (a card one rank higher or lower) is useless to it:
//   (a) the base lies beneath the card in its fan;
//   (b) the base is in M and lies in the third slot, so its fan stays full while it is there;
//   (c) a card z of M lies above the base, and the card must reach its foundation before z.
// Kings that may fill an emptied fan are never in M, except a King at the bottom of its fan,
// whose only such move leaves the table as it was, with the fans renamed.
//
// Proof that no card of M ever moves to another fan: take the first such move, card x onto
// base b. Until then every card of M stayed in place or went to its foundation, so a card of
// M above a card y left before y did, and went home. Along the chain of "must go home first"
// from x to z (same-suit order, or a card of M above another) every card therefore went home
// before the next: z is home, so x is. (a) b is still covered by x; (b) b's fan is still full;
// (c) b could be uncovered only by z going home, and then x is home too. Each case
// contradicts the move.
//
// So a card of M above another must reach its foundation first; a chain of such demands and
// the suits' own order that comes back to its start means the table cannot be won.

namespace {
constexpr std::uint64_t Bit(int nCard) {
    return std::uint64_t(1) << nCard;
}

// The cards one rank higher or lower than the card, of every suit.
std::uint64_t Neighbours(int nCard) {
    static const auto s_table = [] {
        struct {
            std::uint64_t m_n[kSolverCards];
        } table{};
        for (int c = 0; c < kSolverCards; ++c)
            for (int s = 0; s < 4; ++s)
                for (int r = kAce; r <= kKing; ++r)
                    if (AreNeighbours(CardRank(c), r)) table.m_n[c] |= Bit(CardId(s, r));
        return table;
    }();
    return s_table.m_n[nCard];
}
} // namespace

CCardAnalysis::CCardAnalysis(const CSolverState& state) : m_state(state) {
    for (int f = 0; f < kSolverFans; ++f) {
        std::uint64_t nAbove = 0;
        for (int s = state.Count(f) - 1; s >= 0; --s) {
            int nCard = state.Card(f, s);
            m_nAbove[nCard] = nAbove;
            nAbove |= Bit(nCard);
        }
        std::uint64_t nBeneath = 0;
        for (int s = 0; s < state.Count(f); ++s) {
            int nCard = state.Card(f, s);
            m_nBeneath[nCard] = nBeneath;
            nBeneath |= Bit(nCard);
        }
        if (state.Count(f) == 3) m_nThirdSlot |= Bit(state.Card(f, 2));
        m_nOnTable |= nAbove;
    }
    std::uint64_t nCandidates = m_nOnTable;
    if (state.KingsAllowed()) {
        for (int s = 0; s < 4; ++s) {
            int nKing = CardId(s, kKing);
            int nWhere = state.Where(nKing);
            if (nWhere >= 0 && nWhere % 3 != 0) nCandidates &= ~Bit(nKing);
        }
    }
    // First without (c); then with the order those stuck cards prove, which stays true
    // whatever larger set is found next, so each round's set is proven in turn.
    FindStuck(nCandidates);
    ComputeBefore();
    for (int nRound = 0; nRound < 2; ++nRound) {
        std::uint64_t nBefore = m_nStuck;
        m_bUseOrder = true;
        FindStuck(nCandidates);
        if (m_nStuck == nBefore) break;
        ComputeBefore();
    }
    for (std::uint64_t m = m_nOnTable; m != 0 && !m_bCycle; m &= m - 1) {
        int nCard = __builtin_ctzll(m);
        m_bCycle = (m_nBefore[nCard] >> nCard) & 1;
    }
}

void CCardAnalysis::FindStuck(std::uint64_t nCandidates) {
    m_nStuck = nCandidates;
    for (;;) {
        std::uint64_t nStuck = m_nStuck;
        if (m_bUseOrder) ComputeBlocked();
        for (std::uint64_t m = m_nStuck; m != 0; m &= m - 1) {
            int nCard = __builtin_ctzll(m);
            if (HasUsableBase(nCard)) nStuck &= ~Bit(nCard);
        }
        if (nStuck == m_nStuck) return;
        m_nStuck = nStuck;
    }
}

void CCardAnalysis::ComputeBlocked() {
    for (std::uint64_t m = m_nOnTable; m != 0; m &= m - 1) {
        int nBase = __builtin_ctzll(m);
        std::uint64_t nBlocked = 0;
        for (std::uint64_t a = m_nAbove[nBase] & m_nStuck; a != 0; a &= a - 1)
            nBlocked |= m_nBefore[__builtin_ctzll(a)];
        m_nBlocked[nBase] = nBlocked;
    }
}

void CCardAnalysis::ComputeBefore() {
    // The same-suit order first, then the demands of stuck cards, spread until nothing grows.
    for (int s = 0; s < 4; ++s) {
        std::uint64_t nLower = 0;
        for (int r = m_state.Home(s) + 1; r <= kKing; ++r) {
            m_nBefore[CardId(s, r)] = nLower;
            nLower |= Bit(CardId(s, r));
        }
    }
    for (bool bChanged = true; bChanged;) {
        bChanged = false;
        for (std::uint64_t m = m_nOnTable; m != 0; m &= m - 1) {
            int nCard = __builtin_ctzll(m);
            std::uint64_t nBefore = m_nBefore[nCard];
            if (CardRank(nCard) > m_state.Home(CardSuit(nCard)) + 1)
                nBefore |= m_nBefore[nCard - 1];
            for (std::uint64_t a = m_nAbove[nCard] & m_nStuck; a != 0; a &= a - 1) {
                int z = __builtin_ctzll(a);
                nBefore |= m_nBefore[z] | Bit(z);
            }
            if (nBefore != m_nBefore[nCard]) {
                m_nBefore[nCard] = nBefore;
                bChanged = true;
            }
        }
    }
}

bool CCardAnalysis::HasUsableBase(int nCard) const {
    // Rules (a) and (b) by masks; rule (c) for the few bases left.
    std::uint64_t nBases =
        Neighbours(nCard) & m_nOnTable & ~m_nBeneath[nCard] & ~(m_nStuck & m_nThirdSlot);
    if (!m_bUseOrder) return nBases != 0;
    for (; nBases != 0; nBases &= nBases - 1)
        if (!((m_nBlocked[__builtin_ctzll(nBases)] >> nCard) & 1)) return true;
    return false;
}

bool CCardAnalysis::NeverCovered(int nCard) const {
    // A stuck card stays where it is until it goes home. In the third slot its fan is full;
    // elsewhere only a card one rank off could be put on it, and none of those can move
    // while the stuck ones never do and the others lie beneath it.
    if (!IsStuck(nCard)) return false;
    if ((m_nThirdSlot >> nCard) & 1) return true;
    return (Neighbours(nCard) & m_nOnTable & ~m_nStuck & ~m_nBeneath[nCard]) == 0;
}
