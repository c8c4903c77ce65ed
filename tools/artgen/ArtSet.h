// Every file the generator writes, by name, so the generator and the contact sheet agree.
#pragma once

#include "Glyphs.h"

#include <string>
#include <vector>

// The bitmap resource id of a card face: nRank 1 (Ace) to 13 (King).
int FaceResourceId(CSuit suit, int nRank);
int EmptyFoundationResourceId(CSuit suit);

// Writes all pictures, cursors, icons, sounds and the setup program's files into the folder,
// which must exist. Throws on failure.
void WriteArtSet(const std::string& folder);
