#include "TableJudge.h"

#include "CardAnalysis.h"

namespace {
// The relaxed game looks at as many ranks at each end as hold at most this many cards.
constexpr int kMaxWindowCards = 8;
// Its searches may take this share of the real search's tables, and at least kMinNodes.
constexpr std::uint64_t kEffortShare = 4;
constexpr int kMinNodes = 2000;
constexpr int kMaxNodes = 4000000;
// Easy tables are won or lost sooner than the relaxed game would tell: it joins in only once
// the search has seen this many tables.
constexpr std::uint64_t kQuietStates = 32768;

void Windows(const CSolverState& state, int nMaxCards, int (&lo)[2], int (&hi)[2]) {
    int nByRank[15] = {};
    for (int f = 0; f < kSolverFans; ++f)
        for (int s = 0; s < state.Count(f); ++s)
            ++nByRank[CardRank(state.Card(f, s))];
    int n = 0;
    int k = 0;
    while (k < 12 && n + nByRank[k + 1] <= nMaxCards)
        n += nByRank[++k];
    lo[0] = 1;
    hi[0] = k;
    n = 0;
    k = kKing + 1;
    while (k > 2 && n + nByRank[k - 1] <= nMaxCards)
        n += nByRank[--k];
    lo[1] = k;
    hi[1] = kKing;
}
} // namespace

void CTableJudge::Clear() {
    m_relaxed.Clear();
    m_nProofWork = 0;
    SetEffort(0);
}

void CTableJudge::SetEffort(std::uint64_t nStates) {
    m_bRelaxed = nStates >= kQuietStates;
    std::uint64_t n = nStates / kEffortShare;
    m_relaxed.SetMaxNodes(n < kMinNodes   ? kMinNodes
                          : n > kMaxNodes ? kMaxNodes
                                          : static_cast<int>(n));
}

// A card that can go home and that no card can ever be put onto where it lies is safe to
// send home at once: it cannot move to another fan, nothing lands on it and nothing beneath
// it moves before it leaves, so any winning continuation is still winning with this card
// home first (it only gains a free place and an uncovered card). Sending a card home is not
// safe in general in this game: a card one rank lower or higher may still need it as a step,
// for example to uncover a lower card of its own suit.
CTableVerdict CTableJudge::Examine(const CSolverState& state) {
    CTableVerdict verdict;
    CCardAnalysis analysis(state);
    if (analysis.HasCycle()) {
        verdict.m_bDead = true;
        return verdict;
    }
    int lo[2];
    int hi[2];
    Windows(state, kMaxWindowCards, lo, hi);
    for (int w = 0; w < 2 && m_bRelaxed; ++w) {
        if (lo[w] <= hi[w] && m_relaxed.Examine(state, lo[w], hi[w]) == RelaxedVerdict::Lost) {
            verdict.m_bDead = true;
            return verdict;
        }
    }
    for (int f = 0; f < kSolverFans; ++f) {
        int nCard = state.Top(f);
        if (nCard >= 0 && state.Home(CardSuit(nCard)) == CardRank(nCard) - 1 &&
            analysis.NeverCovered(nCard)) {
            verdict.m_nSafeFan = f;
            break;
        }
    }
    return verdict;
}

bool CTableJudge::ProveLostAtStart(const CSolverState& state, int nMaxNodes) {
    int nSaved = m_relaxed.MaxNodes();
    m_relaxed.SetMaxNodes(nMaxNodes);
    int lo[2];
    int hi[2];
    Windows(state, kMaxWindowCards, lo, hi);
    bool bLost = false;
    for (int w = 1; w >= 0 && !bLost; --w)
        bLost = lo[w] <= hi[w] && m_relaxed.Examine(state, lo[w], hi[w]) == RelaxedVerdict::Lost;
    m_relaxed.SetMaxNodes(nSaved);
    return bLost;
}

bool CTableJudge::ProveLost(const CSolverState& state, std::uint64_t nEffort) {
    // Wider windows of ranks, at the high end first (Kings and Queens that can find no room
    // are the commonest trap), the more the search has spent beneath this table.
    int nSaved = m_relaxed.MaxNodes();
    std::uint64_t nUsedBefore = m_relaxed.NodesUsed();
    std::uint64_t nBudget = nEffort / 4;
    m_relaxed.SetMaxNodes(static_cast<int>(nBudget > kMaxNodes   ? kMaxNodes
                                           : nBudget < kMinNodes ? kMinNodes
                                                                 : nBudget));
    bool bLost = false;
    int nCards = nEffort < 100000 ? 12 : nEffort < 1000000 ? 16 : 20;
    for (int n = kMaxWindowCards + 4; n <= nCards && !bLost; n += 4) {
        int lo[2];
        int hi[2];
        Windows(state, n, lo, hi);
        for (int w = 1; w >= 0 && !bLost; --w)
            bLost =
                lo[w] <= hi[w] && m_relaxed.Examine(state, lo[w], hi[w]) == RelaxedVerdict::Lost;
    }
    m_relaxed.SetMaxNodes(nSaved);
    m_nProofWork += m_relaxed.NodesUsed() - nUsedBefore;
    return bLost;
}

// With Kings kept out of emptied fans, moving the last card x of fan A onto fan B is never
// needed. Take a winning line that makes such a move; leave x in A instead, and put there
// whatever the line puts onto x in B, until x leaves B (for its foundation or another fan),
// when it leaves A instead. A has room for those cards (x was alone in it; on B at most one
// card fits above x), B's top beneath x is untouched meanwhile, and afterwards both lines
// reach the same table. The new line is one move shorter, so repeating this ends with a
// winning line that makes no such move.
bool CTableJudge::IsNeedless(const CSolverState& state, const CSolverMove& move) {
    return !state.KingsAllowed() && move.m_nTo != kToHome && state.Count(move.m_nFrom) == 1;
}
