// Letters and suit signs drawn as pixel sprites: the card index, the pips of three sizes and a
// small capital alphabet for lettering.
#pragma once

#include "IndexedImage.h"

#include <string>

enum class CSuit { Clubs = 0, Hearts = 1, Spades = 2, Diamonds = 3 };

inline bool IsRed(CSuit suit) {
    return suit == CSuit::Hearts || suit == CSuit::Diamonds;
}
inline std::uint8_t SuitInk(CSuit suit) {
    return IsRed(suit) ? kRed : kBlack;
}

// The rank of the index, 1 (Ace) to 13 (King): 5 by 7 pixels, "10" 7 by 7.
CIndexedImage RankGlyph(int nRank, std::uint8_t ink);

enum class CPipSize {
    Small,  // 7 wide: the index, the toolbar and the small icons
    Medium, // 9 by 10: the pips of Two to Ten and the empty-foundation signs
    Large   // about 19 by 20: the Aces
};
CIndexedImage Pip(CSuit suit, CPipSize size, std::uint8_t ink);

// Capitals, digits and a few signs, 3 by 5 pixels (4 by 5 for M and W), one pixel apart.
CIndexedImage TinyText(const std::string& text, std::uint8_t ink);
// The same letters 5 by 7, for titles.
CIndexedImage TitleText(const std::string& text, std::uint8_t ink);
