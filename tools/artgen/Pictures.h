// The game's other pictures: the empty-foundation markers, the table pattern, the toolbar
// strip and the About picture.
#pragma once

#include "Glyphs.h"

// 60 by 80: the cloth inside a card outline, with the suit's sign on a small grey square.
// The checkerboard's phase matches the foundation the marker is drawn at.
CIndexedImage EmptyFoundation(CSuit suit);
// The foundations' top edges on the table, and so the cloth phase under each marker.
int FoundationClothPhase(CSuit suit);

CIndexedImage TablePattern(); // 8 by 8
CIndexedImage ToolbarStrip(); // 96 by 15: New, Start Over, Undo, Scores, About, Help Topics
CIndexedImage AboutPicture(); // 100 by 100
