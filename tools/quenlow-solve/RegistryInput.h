// A saved game read from the game's "game" settings value: the 472 raw bytes, or a .reg
// export of the settings key (REGEDIT4 text, or the UTF-16LE form with a byte-order mark).
#pragma once

#include "SolverState.h"

#include <cstdint>
#include <string>
#include <vector>

struct CRegistryGame {
    CPosition m_position;
    bool m_bHasKingsOption = false; // a .reg export that also holds the "expert" value
    bool m_bKingsAllowed = false;
    bool m_bInProgress = false;
};

// False with a message when the bytes are neither form, or the record is malformed or is not
// a table the game can hold.
bool ReadRegistryGame(const std::vector<std::uint8_t>& bytes, CRegistryGame& game,
                      std::string& error);
