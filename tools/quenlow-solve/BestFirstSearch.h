// A first, bounded try at a win: always expanding the most promising table found so far, by
// how many cards are left and how deeply the wanted ones are buried. It finds some wins that
// the depth-first order reaches only after long detours. Left to run out of tables it is
// exact as well, but it keeps every table, so it gets a bounded share of the work.
#pragma once

#include "SolverState.h"
#include "TableJudge.h"
#include "TranspositionTable.h"

#include <cstdint>
#include <vector>

enum class FirstTry { Won, Lost, Stopped, Full };

class CBestFirstSearch {
public:
    CBestFirstSearch(CTranspositionTable& table, CTableJudge& judge);

    // Stops after nMaxStates new tables or at the deadline.
    FirstTry Run(const CPosition& position, std::uint64_t nMaxStates, const CDeadline& deadline);
    const std::vector<CSolverMove>& Solution() const { return m_solution; }
    std::uint64_t States() const { return m_nStates; }

private:
    struct CNode {
        CSolverState m_state;
        int m_nParent;
        int m_nFirstMove; // its moves from the parent are m_movePool[m_nFirstMove, + m_nMoves)
        int m_nMoves;
    };

    // Adds the table reached from node nParent by the moves, after its safe foundation moves;
    // false when the transposition table is full.
    bool Add(CSolverState& state, int nParent, std::vector<CSolverMove>& moves);
    void Trace(int nNode);

    CTranspositionTable& m_table;
    CTableJudge& m_judge;
    std::vector<CNode> m_nodes;
    std::vector<CSolverMove> m_movePool;
    std::vector<std::pair<std::int64_t, int>> m_queue; // a heap of (score, node)
    std::vector<CSolverMove> m_solution;
    std::uint64_t m_nStates = 0;
    int m_nWon = -1;
};
