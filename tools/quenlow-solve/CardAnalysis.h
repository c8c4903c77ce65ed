// What the table proves about the future, whatever moves are made: which cards can never
// again move to another fan, and which cards must reach their foundations before which.
#pragma once

#include "SolverState.h"

#include <cstdint>

class CCardAnalysis {
public:
    explicit CCardAnalysis(const CSolverState& state);

    // The card can never move to another fan; it leaves its place only for its foundation.
    bool IsStuck(int nCard) const { return (m_nStuck >> nCard) & 1; }
    // Every card of the mask (on the table) must reach its foundation before nCard does.
    std::uint64_t Before(int nCard) const { return m_nBefore[nCard]; }
    // Some card must reach its foundation before itself: the table cannot be won.
    bool HasCycle() const { return m_bCycle; }
    // No card can ever be put onto this card while it lies where it is.
    bool NeverCovered(int nCard) const;

private:
    bool HasUsableBase(int nCard) const;
    void ComputeBlocked();
    void ComputeBefore();
    void FindStuck(std::uint64_t nCandidates);

    const CSolverState& m_state;
    std::uint64_t m_nOnTable = 0;
    std::uint64_t m_nAbove[kSolverCards] = {};   // cards above each card in its fan
    std::uint64_t m_nBeneath[kSolverCards] = {}; // cards beneath each card in its fan
    std::uint64_t m_nThirdSlot = 0;              // cards lying in the third slot
    // For each card, the cards that must reach their foundations before some stuck card
    // above it: such a card can never use it as a base (rule (c)).
    std::uint64_t m_nBlocked[kSolverCards] = {};
    std::uint64_t m_nStuck = 0;
    std::uint64_t m_nBefore[kSolverCards] = {};
    bool m_bCycle = false;
    bool m_bUseOrder = false; // rule (c), with the order of the last round's stuck cards
};
