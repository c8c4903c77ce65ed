// The table of a seed's deal after the King fix-up, as the game's own document deals it.
#pragma once

#include "SolverState.h"

#include <cstdint>

// Not safe to call from two threads at once: the deck's shuffle generator is process-wide.
CPosition MakeSeedPosition(std::uint32_t nSeed, bool bKingsAllowed);
