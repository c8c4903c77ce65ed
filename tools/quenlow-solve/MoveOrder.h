// The order in which the search tries moves: a matter of speed and of short solutions, never
// of the answer.
#pragma once

#include "SolverMoves.h"

#include <cstdint>

// A repeatable random offset for each move's place in the order, so that a search started
// again follows other lines. A spread of 0 leaves the order as it is.
class CMoveJitter {
public:
    CMoveJitter(std::uint64_t nSeed = 0, int nSpread = 0)
        : m_nState(nSeed * 0x9e3779b97f4a7c15ULL + 1), m_nSpread(nSpread) {}
    int Next();

private:
    std::uint64_t m_nState;
    int m_nSpread;
};

void OrderMoves(const CSolverState& state, CSolverMove* pMoves, int nMoves, CMoveJitter& jitter);
