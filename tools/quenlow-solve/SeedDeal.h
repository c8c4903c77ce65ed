// The table of a seed's deal after the King fix-up, as the game deals it.
#pragma once

#include "SolverState.h"

#include <cstdint>

CPosition MakeSeedPosition(std::uint32_t nSeed, bool bKingsAllowed);
