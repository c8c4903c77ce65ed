// The court figures: the upper half of the Jack, Queen and King of each suit, as pixel sprites;
// the face shows it twice, the second time upside down.
#pragma once

#include "Glyphs.h"

constexpr int kFigureWidth = 36;
constexpr int kFigureHeight = 35;

// nRank 11 (Jack) to 13 (King); transparent where the card shows through.
CIndexedImage FigureHalf(CSuit suit, int nRank);
