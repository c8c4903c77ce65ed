// Proofs that cut the search: tables from which some card can never reach its foundation,
// foundation moves that can never be wrong, and moves that are never needed.
#pragma once

#include "RelaxedGame.h"
#include "SolverState.h"

#include <cstdint>

struct CTableVerdict {
    bool m_bDead = false; // the table cannot be won
    int m_nSafeFan = -1;  // a fan whose top card may go home with no loss, or -1
};

class CTableJudge {
public:
    CTableVerdict Examine(const CSolverState& state);
    // Forgets what earlier tables proved; a new position starts with the smallest effort.
    void Clear();
    // How hard to try for a proof: a share of the search's own effort so far.
    void SetEffort(std::uint64_t nStates);
    // Proofs still running at this moment give up.
    void SetDeadline(const CDeadline& deadline) { m_relaxed.SetDeadline(deadline); }

    // A harder try at proving a table lost, worth nEffort tables of search.
    bool ProveLost(const CSolverState& state, std::uint64_t nEffort);
    // The first table's try: the narrow windows of ranks, nMaxNodes each.
    bool ProveLostAtStart(const CSolverState& state, int nMaxNodes);
    // Work spent in ProveLost since Clear, in tables of the relaxed game.
    std::uint64_t ProofWork() const { return m_nProofWork; }

    // A move that some winning line without it always exists for, if any exists at all.
    static bool IsNeedless(const CSolverState& state, const CSolverMove& move);

private:
    CRelaxedGame m_relaxed;
    std::uint64_t m_nProofWork = 0;
    bool m_bRelaxed = true; // the relaxed game is worth its cost: the search is not easy
};
