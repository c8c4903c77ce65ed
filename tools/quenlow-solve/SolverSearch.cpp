#include "SolverSearch.h"

#include "BestFirstSearch.h"
#include "MoveOrder.h"
#include "SolutionShortener.h"
#include "SolverMoves.h"

namespace {
// A table whose subtree has grown this big without a win gets a harder try at a proof that
// it is lost, and again each time its subtree has grown fourfold.
constexpr std::uint64_t kFirstProof = 4096;
// How far the later tries' jitter may move a move in the order, in units of the order's keys
// (a wanted card uncovered is worth up to 64).
constexpr int kJitterSpread = 200;
} // namespace

CSolver::CSolver(std::size_t nMaxBytes) : m_table(nMaxBytes), m_lost(nMaxBytes / 8) {}

void CSolver::Expand(const CSolverState& state, int nEntered, std::uint64_t nStates,
                     std::size_t nMembers) {
    CSolverMove moves[kMaxMoves];
    int n = 0;
    int nAll = GenerateMoves(state, moves);
    for (int i = 0; i < nAll; ++i)
        if (!CTableJudge::IsNeedless(state, moves[i])) moves[n++] = moves[i];
    OrderMoves(state, moves, n, m_jitter);
    int nFirst = static_cast<int>(m_moves.size());
    // Stored best last: the next move is taken from the back.
    for (int i = n - 1; i >= 0; --i)
        m_moves.push_back(moves[i]);
    m_frames.push_back(CFrame{nFirst, nFirst + n, nEntered, state, nStates, kFirstProof, m_nIndex,
                              m_nIndex, true, nMembers});
}

// Deeper proofs where the search spends its time: the lowest table on the path whose subtree
// has grown past its mark is tried, and its mark is raised fourfold. A table proven lost is
// left with everything above it. Proofs may take as much work as the search itself.
void CSolver::Escalate(CSolverState& state, std::uint64_t nStates) {
    if (m_judge.ProofWork() > nStates) return;
    for (size_t i = 0; i < m_frames.size(); ++i) {
        CFrame& frame = m_frames[i];
        std::uint64_t nSubtree = nStates - frame.m_nStart;
        if (nSubtree < frame.m_nNextProof) continue;
        frame.m_nNextProof = nSubtree * 4;
        if (!m_judge.ProveLost(frame.m_state, nSubtree)) return;
        // Everything reached from a lost table is lost too.
        std::size_t nMembers = frame.m_nMembers;
        while (m_frames.size() > i) {
            TakeBack(state, m_frames.back().m_nEntered);
            m_moves.resize(m_frames.back().m_nFirst);
            m_frames.pop_back();
        }
        Resolve(nMembers, true);
        return;
    }
}

void CSolver::TakeBack(CSolverState& state, int nMoves) {
    for (; nMoves > 0; --nMoves) {
        state.Undo(m_path.back());
        m_path.pop_back();
    }
}

bool CSolver::LimitReached(const CSolveLimits& limits, CSolveReport& report) const {
    if (limits.m_nMaxStates != 0 && report.m_nStates >= limits.m_nMaxStates) {
        report.m_strLimit = "state limit";
        return true;
    }
    // The clock is read once every 256 tables.
    if (limits.m_dMaxSeconds > 0 && (report.m_nStates & 255) == 0 &&
        ReadClock(m_clock) - m_dStart >= limits.m_dMaxSeconds) {
        report.m_strLimit = "time limit";
        return true;
    }
    return false;
}

// A table just reached (see Arrival). Safe foundation moves are made on arrival, each counted
// in nEntered, so the table that is stored and expanded is the one after them; the tables
// before them join its set.
CSolver::Arrival CSolver::Arrive(CSolverState& state, CSolveReport& report, int& nEntered) {
    for (;;) {
        if (state.IsWon()) return Arrival::Won;
        CStateKey key = state.Key();
        CTranspositionTable::Result added = m_table.Insert(key, m_nIndex + 1);
        if (added == CTranspositionTable::Result::Full) return Arrival::Full;
        if (added == CTranspositionTable::Result::Seen) return Seen();
        ++m_nIndex;
        if (m_bLearn && m_lost.Contains(key)) {
            ++report.m_nKnownLost;
            m_table.SetLastValue(kLostValue);
            return Arrival::Lost;
        }
        if ((++report.m_nStates & 255) == 0) m_judge.SetEffort(report.m_nStates);
        CTableVerdict verdict = m_judge.Examine(state);
        if (verdict.m_bDead) {
            m_table.SetLastValue(kLostValue);
            // When that table is full, a later try searches this one again.
            if (m_bLearn) m_lost.Insert(key);
            return Arrival::Lost;
        }
        if (m_bLearn) m_members.push_back(key);
        if (verdict.m_nSafeFan < 0) return Arrival::Open;
        int nFan = verdict.m_nSafeFan;
        CSolverMove move{static_cast<std::uint8_t>(nFan), kToHome,
                         static_cast<std::uint8_t>(state.Top(nFan))};
        state.Apply(move);
        m_path.push_back(move);
        ++nEntered;
    }
}

// The best-first try, with a share of the limits; true when it settled the answer.
bool CSolver::FirstTry(const CPosition& position, const CSolveLimits& limits,
                       CSolveReport& report) {
    std::uint64_t nStates = limits.m_nFirstTryStates;
    if (nStates == 0) return false;
    if (limits.m_nMaxStates != 0 && limits.m_nMaxStates / 4 < nStates)
        nStates = limits.m_nMaxStates / 4;
    CDeadline deadline{m_clock, limits.m_dMaxSeconds > 0 ? m_dStart + limits.m_dMaxSeconds / 4 : 0};
    CBestFirstSearch first(m_table, m_judge);
    ::FirstTry result = first.Run(position, nStates, deadline);
    report.m_nStates = first.States();
    switch (result) {
    case ::FirstTry::Won:
        report.m_result = SolveResult::Winnable;
        report.m_moves = ShortenSolution(position, first.Solution());
        break;
    case ::FirstTry::Lost:
        report.m_result = SolveResult::NotWinnable;
        break;
    case ::FirstTry::Full:
        report.m_result = SolveResult::Undecided;
        report.m_strLimit = "memory limit";
        break;
    case ::FirstTry::Stopped:
        return false;
    }
    report.m_dSeconds = ReadClock(m_clock) - m_dStart;
    return true;
}

// Depth-first search has a heavy tail: an early choice that cannot win may hold it in a
// subtree of many millions of tables, while a slightly different order wins within thousands.
// So the search starts again, in a jittered order, whenever a try has taken its share of
// tables without an answer, each try getting twice the share of the one before. Each try is
// complete in itself: one that runs out of tables has proven the table lost, whatever its
// order, so the answers stay exact.
CSolveReport CSolver::Solve(const CPosition& position, const CSolveLimits& limits) {
    m_clock = limits.m_bCpuTime ? ClockKind::ThreadCpu : ClockKind::Wall;
    m_dStart = ReadClock(m_clock);
    m_table.Clear();
    m_lost.Clear();
    m_judge.Clear();
    m_judge.SetDeadline(
        CDeadline{m_clock, limits.m_dMaxSeconds > 0 ? m_dStart + limits.m_dMaxSeconds : 0});
    CSolveReport report;
    if (limits.m_nOpeningNodes > 0 &&
        m_judge.ProveLostAtStart(CSolverState(position), limits.m_nOpeningNodes)) {
        report.m_result = SolveResult::NotWinnable;
    } else if (!FirstTry(position, limits, report)) {
        std::uint64_t nBudget = limits.m_nFirstBudget;
        for (int nTry = 0; !SearchOnce(position, limits, nTry, nBudget, report); ++nTry)
            nBudget *= 2;
    }
    report.m_dSeconds = ReadClock(m_clock) - m_dStart;
    return report;
}

// One depth-first try, in the plain order the first time and jittered after; false when it
// took nBudget tables (0: no bound) without settling the answer.
bool CSolver::SearchOnce(const CPosition& position, const CSolveLimits& limits, int nTry,
                         std::uint64_t nBudget, CSolveReport& report) {
    m_table.Clear();
    m_moves.clear();
    m_frames.clear();
    m_path.clear();
    m_members.clear();
    m_nIndex = 0;
    m_bLearn = nBudget != 0;
    if (!m_bLearn) m_table.Reserve(); // the try that runs to its end may need every slot
    m_jitter = CMoveJitter(static_cast<std::uint64_t>(nTry), nTry == 0 ? 0 : kJitterSpread);
    std::uint64_t nEnd = nBudget == 0 ? UINT64_MAX : report.m_nStates + nBudget;
    report.m_result = SolveResult::NotWinnable;
    CSolverState state(position);
    int nEntered = 0;
    for (;;) {
        std::size_t nMembers = m_members.size();
        Arrival arrival = Arrive(state, report, nEntered);
        if (arrival == Arrival::Won) {
            report.m_result = SolveResult::Winnable;
            report.m_moves = ShortenSolution(position, m_path);
            return true;
        }
        if (arrival == Arrival::Full) {
            report.m_result = SolveResult::Undecided;
            report.m_strLimit = "memory limit";
            return true;
        }
        if (arrival == Arrival::Open) {
            Expand(state, nEntered, report.m_nStates, nMembers);
        } else {
            Close(arrival);
            TakeBack(state, nEntered);
        }
        if ((report.m_nStates & 1023) == 0 && arrival == Arrival::Open)
            Escalate(state, report.m_nStates);
        while (!m_frames.empty() && m_frames.back().m_nEnd == m_frames.back().m_nFirst)
            Leave(state);
        if (m_frames.empty()) return true; // every table reachable was searched: a proof
        if (LimitReached(limits, report)) {
            report.m_result = SolveResult::Undecided;
            return true;
        }
        if (report.m_nStates >= nEnd) return false;
        CFrame& frame = m_frames.back();
        CSolverMove move = m_moves[--frame.m_nEnd];
        m_moves.pop_back();
        state.Apply(move);
        m_path.push_back(move);
        nEntered = 1;
    }
}
