#include "BestFirstSearch.h"

#include "SolverMoves.h"

#include <algorithm>
#include <functional>

namespace {
// Lower is better: each card left weighs 40, and each card covering another adds the weight
// of the one beneath, the more the sooner its foundation wants it.
std::int64_t Score(const CSolverState& state) {
    std::int64_t n = std::int64_t{40} * state.CardsOnTable();
    for (int f = 0; f < kSolverFans; ++f) {
        for (int s = 0; s < state.Count(f); ++s) {
            int nCard = state.Card(f, s);
            int nNeed = CardRank(nCard) - state.Home(CardSuit(nCard));
            int nWeight = (state.Count(f) - 1 - s) * (nNeed >= 6 ? 1 : 64 >> nNeed);
            n += nWeight;
        }
    }
    return n;
}
} // namespace

CBestFirstSearch::CBestFirstSearch(CTranspositionTable& table, CTableJudge& judge)
    : m_table(table), m_judge(judge) {}

bool CBestFirstSearch::Add(CSolverState& state, int nParent, std::vector<CSolverMove>& moves) {
    for (;;) {
        if (state.IsWon()) {
            m_nWon = static_cast<int>(m_nodes.size());
            break;
        }
        CTranspositionTable::Result added = m_table.Insert(state.Key());
        if (added == CTranspositionTable::Result::Full) return false;
        if (added == CTranspositionTable::Result::Seen) return true;
        ++m_nStates;
        CTableVerdict verdict = m_judge.Examine(state);
        if (verdict.m_bDead) return true;
        if (verdict.m_nSafeFan < 0) break;
        CSolverMove safe{static_cast<std::uint8_t>(verdict.m_nSafeFan), kToHome,
                         static_cast<std::uint8_t>(state.Top(verdict.m_nSafeFan))};
        state.Apply(safe);
        moves.push_back(safe);
    }
    m_nodes.push_back(
        CNode{state, nParent, static_cast<int>(m_movePool.size()), static_cast<int>(moves.size())});
    m_movePool.insert(m_movePool.end(), moves.begin(), moves.end());
    if (m_nWon < 0) {
        m_queue.emplace_back(Score(state), static_cast<int>(m_nodes.size()) - 1);
        std::push_heap(m_queue.begin(), m_queue.end(), std::greater<>());
    }
    return true;
}

void CBestFirstSearch::Trace(int nNode) {
    std::vector<int> chain;
    for (int n = nNode; n >= 0; n = m_nodes[n].m_nParent)
        chain.push_back(n);
    m_solution.clear();
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const CNode& node = m_nodes[*it];
        m_solution.insert(m_solution.end(), m_movePool.begin() + node.m_nFirstMove,
                          m_movePool.begin() + node.m_nFirstMove + node.m_nMoves);
    }
}

FirstTry CBestFirstSearch::Run(const CPosition& position, std::uint64_t nMaxStates,
                               const CDeadline& deadline) {
    m_nodes.clear();
    m_movePool.clear();
    m_queue.clear();
    m_solution.clear();
    m_nStates = 0;
    m_nWon = -1;
    CSolverState start(position);
    std::vector<CSolverMove> entered;
    if (!Add(start, -1, entered)) return FirstTry::Full;
    while (m_nWon < 0) {
        if (m_queue.empty()) return FirstTry::Lost; // every table reachable was searched
        if (m_nStates >= nMaxStates || ((m_nStates & 255) == 0 && deadline.Passed()))
            return FirstTry::Stopped;
        std::pop_heap(m_queue.begin(), m_queue.end(), std::greater<>());
        int nNode = m_queue.back().second;
        m_queue.pop_back();
        CSolverMove moves[kMaxMoves];
        CSolverState state = m_nodes[nNode].m_state;
        int n = GenerateMoves(state, moves);
        for (int i = 0; i < n && m_nWon < 0; ++i) {
            if (CTableJudge::IsNeedless(state, moves[i])) continue;
            CSolverState next = state;
            next.Apply(moves[i]);
            entered.assign(1, moves[i]);
            if (!Add(next, nNode, entered)) return FirstTry::Full;
        }
    }
    Trace(m_nWon);
    return FirstTry::Won;
}
