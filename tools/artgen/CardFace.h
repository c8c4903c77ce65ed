// The 52 card faces, 60 by 82 pixels, and the card outline the other pictures share.
#pragma once

#include "Glyphs.h"

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 82;

// The table cloth: a one-pixel checkerboard, cyan where x + y + phase is even. Cards in the fans
// always lie at even x + y, so phase 0 matches the cloth around them.
std::uint8_t ClothAt(int x, int y, int nPhase);

// A card-shaped area at (x, y): black rounded outline, the inside filled with fill, the pixels
// outside the rounded corners left alone.
void DrawCardShape(CIndexedImage& image, int x, int y, int cx, int cy, std::uint8_t fill);

// The face of a card: nRank 1 (Ace) to 13 (King).
CIndexedImage CardFace(CSuit suit, int nRank);

// Where a face's index lies (top-left); its upside-down copy lies at the opposite corner.
constexpr int kIndexLeft = 1;
constexpr int kIndexTop = 2;
constexpr int kIndexWidth = 9;
constexpr int kIndexHeight = 19;
