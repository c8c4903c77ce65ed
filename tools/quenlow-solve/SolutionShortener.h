// Takes the detours out of a solution the search found: wherever a table further along (with
// its fans in any order) can be reached from an earlier one in one or two moves, the moves in
// between are dropped; then needless moves are pruned (SolutionPruner.h), and so on while the
// solution gets shorter.
#pragma once

#include "SolverState.h"

#include <vector>

std::vector<CSolverMove> ShortenSolution(const CPosition& start,
                                         const std::vector<CSolverMove>& moves);
