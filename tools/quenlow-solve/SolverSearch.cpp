#include "SolverSearch.h"

#include "MoveOrder.h"
#include "SolutionShortener.h"
#include "SolverMoves.h"

#include <chrono>

namespace {
// A table whose subtree has grown this big without a win gets a harder try at a proof that
// it is lost, and again each time its subtree has grown fourfold.
constexpr std::uint64_t kFirstProof = 4096;

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

CSolver::CSolver(std::size_t nMaxBytes) : m_table(nMaxBytes) {}

void CSolver::Expand(const CSolverState& state, int nEntered, std::uint64_t nStates) {
    CSolverMove moves[kMaxMoves];
    int n = 0;
    int nAll = GenerateMoves(state, moves);
    for (int i = 0; i < nAll; ++i)
        if (!CTableJudge::IsNeedless(state, moves[i])) moves[n++] = moves[i];
    OrderMoves(state, moves, n);
    int nFirst = static_cast<int>(m_moves.size());
    // Stored best last: the next move is taken from the back.
    for (int i = n - 1; i >= 0; --i)
        m_moves.push_back(moves[i]);
    m_frames.push_back(CFrame{nFirst, nFirst + n, nEntered, state, nStates, kFirstProof});
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
        while (m_frames.size() > i) {
            TakeBack(state, m_frames.back().m_nEntered);
            m_moves.resize(m_frames.back().m_nFirst);
            m_frames.pop_back();
        }
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
        Now() - m_dStart >= limits.m_dMaxSeconds) {
        report.m_strLimit = "time limit";
        return true;
    }
    return false;
}

// A table just reached: won, new and open, closed (seen before or proven lost), or the
// transposition table is full. Safe foundation moves are made on arrival, each counted in
// nEntered, so the table that is stored and expanded is the one after them.
CSolver::Arrival CSolver::Arrive(CSolverState& state, CSolveReport& report, int& nEntered) {
    for (;;) {
        if (state.IsWon()) return Arrival::Won;
        CTranspositionTable::Result added = m_table.Insert(state.Key());
        if (added == CTranspositionTable::Result::Full) return Arrival::Full;
        if (added == CTranspositionTable::Result::Seen) return Arrival::Closed;
        if ((++report.m_nStates & 255) == 0) m_judge.SetEffort(report.m_nStates);
        CTableVerdict verdict = m_judge.Examine(state);
        if (verdict.m_bDead) return Arrival::Closed;
        if (verdict.m_nSafeFan < 0) return Arrival::Open;
        int nFan = verdict.m_nSafeFan;
        CSolverMove move{static_cast<std::uint8_t>(nFan), kToHome,
                         static_cast<std::uint8_t>(state.Top(nFan))};
        state.Apply(move);
        m_path.push_back(move);
        ++nEntered;
    }
}

CSolveReport CSolver::Solve(const CPosition& position, const CSolveLimits& limits) {
    m_dStart = Now();
    m_table.Clear();
    m_judge.Clear();
    m_judge.SetDeadline(limits.m_dMaxSeconds > 0 ? m_dStart + limits.m_dMaxSeconds : 0);
    m_moves.clear();
    m_frames.clear();
    m_path.clear();
    CSolveReport report;
    report.m_result = SolveResult::NotWinnable;
    CSolverState state(position);
    int nEntered = 0;
    for (;;) {
        Arrival arrival = Arrive(state, report, nEntered);
        if (arrival == Arrival::Won) {
            report.m_result = SolveResult::Winnable;
            report.m_moves = ShortenSolution(position, m_path);
            break;
        }
        if (arrival == Arrival::Full) {
            report.m_result = SolveResult::Undecided;
            report.m_strLimit = "memory limit";
            break;
        }
        if (arrival == Arrival::Open)
            Expand(state, nEntered, report.m_nStates);
        else
            TakeBack(state, nEntered);
        if ((report.m_nStates & 1023) == 0 && arrival == Arrival::Open)
            Escalate(state, report.m_nStates);
        while (!m_frames.empty() && m_frames.back().m_nEnd == m_frames.back().m_nFirst) {
            TakeBack(state, m_frames.back().m_nEntered);
            m_frames.pop_back();
        }
        if (m_frames.empty()) break; // every table reachable from the start was searched: a proof
        if (LimitReached(limits, report)) {
            report.m_result = SolveResult::Undecided;
            break;
        }
        CFrame& frame = m_frames.back();
        CSolverMove move = m_moves[--frame.m_nEnd];
        m_moves.pop_back();
        state.Apply(move);
        m_path.push_back(move);
        nEntered = 1;
    }
    report.m_dSeconds = Now() - m_dStart;
    return report;
}
