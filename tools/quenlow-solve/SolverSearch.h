// The exact search: depth first over canonical tables with a transposition table, moves
// ordered so that wins are found early, subtrees cut only by proofs.
#pragma once

#include "MoveOrder.h"
#include "SolverState.h"
#include "TableJudge.h"
#include "TranspositionTable.h"

#include <cstdint>
#include <string>
#include <vector>

enum class SolveResult { Winnable, NotWinnable, Undecided };

struct CSolveLimits {
    std::uint64_t m_nMaxStates = 0; // 0: no limit
    double m_dMaxSeconds = 0;       // 0: no limit
    // Tables the best-first try may take (also at most a quarter of the limits); 0 skips it.
    std::uint64_t m_nFirstTryStates = 200000;
    // Tables the first depth-first try may take before the search starts again in another
    // order; each later try may take twice as many as the one before. 0: a single try.
    std::uint64_t m_nFirstBudget = 20000;
};

struct CSolveReport {
    SolveResult m_result = SolveResult::Undecided;
    std::vector<CSolverMove> m_moves; // the solution, when winnable
    std::uint64_t m_nStates = 0;      // distinct tables searched
    double m_dSeconds = 0;
    std::string m_strLimit; // the limit that stopped an undecided search
};

class CSolver {
public:
    explicit CSolver(std::size_t nMaxBytes = CTranspositionTable::DefaultMaxBytes());
    CSolveReport Solve(const CPosition& position, const CSolveLimits& limits);

private:
    struct CFrame {
        int m_nFirst; // the frame's untried moves are m_moves[m_nFirst, m_nEnd)
        int m_nEnd;
        int m_nEntered; // moves of the path that led here from the frame below
        CSolverState m_state;
        std::uint64_t m_nStart;     // tables searched when the frame was made
        std::uint64_t m_nNextProof; // subtree size at which to try a proof next
    };
    enum class Arrival { Won, Open, Closed, Full };

    bool SearchOnce(const CPosition& position, const CSolveLimits& limits, int nTry,
                    std::uint64_t nBudget, CSolveReport& report);
    bool FirstTry(const CPosition& position, const CSolveLimits& limits, CSolveReport& report);
    Arrival Arrive(CSolverState& state, CSolveReport& report, int& nEntered);
    void Expand(const CSolverState& state, int nEntered, std::uint64_t nStates);
    void Escalate(CSolverState& state, std::uint64_t nStates);
    void TakeBack(CSolverState& state, int nMoves);
    bool LimitReached(const CSolveLimits& limits, CSolveReport& report) const;

    CTranspositionTable m_table;
    CTableJudge m_judge;
    std::vector<CSolverMove> m_moves;
    std::vector<CFrame> m_frames;
    std::vector<CSolverMove> m_path;
    CMoveJitter m_jitter;
    double m_dStart = 0;
};
