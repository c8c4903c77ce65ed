// The order in which the search tries moves: a matter of speed and of short solutions, never
// of the answer.
#pragma once

#include "SolverMoves.h"

void OrderMoves(const CSolverState& state, CSolverMove* pMoves, int nMoves);
