// Legal moves of the solver's table. They follow the game's rules exactly: the top card of a
// fan goes onto a fan with one or two cards whose top is one rank higher or lower, onto an
// empty fan if it is a King and Kings are allowed there, or onto its own foundation.
#pragma once

#include "SolverState.h"

constexpr int kMaxMoves = kSolverFans * (kSolverFans + 1);

// Whether the top card of fan nFrom may go to pile nTo (fans 0 to 17, foundations by the
// game's pile numbers 18 Hearts, 19 Clubs, 20 Diamonds, 21 Spades).
bool IsLegalMove(const CSolverState& state, int nFrom, int nTo);

// Every legal move, foundations first, except moves that only reorder fans: a King goes to
// the first empty fan only, and never from a fan where it lies alone. Returns the count.
int GenerateMoves(const CSolverState& state, CSolverMove* pMoves);

// The game's pile number of a suit's foundation.
int HomePileOfSuit(int nSuit);
