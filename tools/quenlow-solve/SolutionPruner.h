// Takes the needless moves out of a solution: moves are read as "this card onto that card"
// (or home, or onto an empty fan), so that dropping one leaves the others meaningful, and a
// change is kept only when the whole solution still plays to an empty table.
#pragma once

#include "SolverState.h"

#include <vector>

std::vector<CSolverMove> PruneSolution(const CPosition& start,
                                       const std::vector<CSolverMove>& moves);
