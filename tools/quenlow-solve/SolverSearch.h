// The exact search: depth first over canonical tables with a transposition table, moves
// ordered so that wins are found early, subtrees cut only by proofs.
#pragma once

#include "MoveOrder.h"
#include "SolverClock.h"
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
    // The seconds are the processor time of the calling thread instead of the wall clock's.
    bool m_bCpuTime = false;
    // Nodes of each relaxed game tried on the first table before any search; 0 skips it. Most
    // lost deals are proven by their Queens and Kings within a few thousand, and a winnable
    // deal's windows are open within a few hundred.
    int m_nOpeningNodes = 50000;
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
    std::uint64_t m_nKnownLost = 0;   // tables skipped because an earlier try proved them lost
    double m_dSeconds = 0;            // on the clock the limits read
    std::string m_strLimit;           // the limit that stopped an undecided search
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
        // For the sets of tables proven lost (SolverLostSets.cpp): the table's number in this
        // try, the lowest number of a table still open that its subtree leads back to, whether
        // every move out of its set so far leads to a lost table, and where its set's tables
        // begin in m_members.
        std::uint32_t m_nIndex;
        std::uint32_t m_nLow;
        bool m_bProven;
        std::size_t m_nMembers;
    };
    // Where a move led: a win, a new table to expand, a table known lost, a table still open
    // further down the path (m_nArrivalLow is its number), a table searched before and not
    // proven lost, or nowhere because the transposition table is full.
    enum class Arrival { Won, Open, Lost, Cycle, Unknown, Full };
    // A table's value in m_table: its number while its set is open, then one of these.
    static constexpr std::uint32_t kLostValue = 0x40000000;
    static constexpr std::uint32_t kOpenValue = 0x80000000;

    bool SearchOnce(const CPosition& position, const CSolveLimits& limits, int nTry,
                    std::uint64_t nBudget, CSolveReport& report);
    bool FirstTry(const CPosition& position, const CSolveLimits& limits, CSolveReport& report);
    Arrival Arrive(CSolverState& state, CSolveReport& report, int& nEntered);
    void Expand(const CSolverState& state, int nEntered, std::uint64_t nStates,
                std::size_t nMembers);
    void Close(Arrival arrival);
    void Leave(CSolverState& state);
    void Resolve(std::size_t nMembers, bool bLost);
    Arrival Seen();
    void Escalate(CSolverState& state, std::uint64_t nStates);
    void TakeBack(CSolverState& state, int nMoves);
    bool LimitReached(const CSolveLimits& limits, CSolveReport& report) const;

    CTranspositionTable m_table;
    // Tables proven lost, kept from one try to the next.
    CTranspositionTable m_lost;
    // This try's tables not yet settled, in the order they were reached; m_nIndex numbers them.
    std::vector<CStateKey> m_members;
    // Whether a later try may follow, which the sets of lost tables are kept for: a single try
    // that runs to its end needs no more than the tables it has seen.
    bool m_bLearn = true;
    std::uint32_t m_nIndex = 0;
    std::uint32_t m_nArrivalLow = 0;
    CTableJudge m_judge;
    std::vector<CSolverMove> m_moves;
    std::vector<CFrame> m_frames;
    std::vector<CSolverMove> m_path;
    CMoveJitter m_jitter;
    ClockKind m_clock = ClockKind::Wall;
    double m_dStart = 0;
};
