// Pixel sprites written as text, one string per row, one character per pixel.
#pragma once

#include "IndexedImage.h"

#include <initializer_list>
#include <string>
#include <vector>

// '.' and ' ' are transparent; '#' is the ink colour the caller gives; '1' and '2' are two
// accent colours the caller gives (suit colours of the court figures); every other letter is
// a fixed VGA colour: k black, m maroon, G green, o olive, n navy, p purple, t teal, s silver,
// g grey, r red, l lime, y yellow, b blue, f fuchsia, c cyan, w white.
struct CSpriteInks {
    std::uint8_t ink = kBlack;
    std::uint8_t accent1 = kRed;
    std::uint8_t accent2 = kBlue;
};

// Rows may differ in length; short rows are padded with transparent pixels.
CIndexedImage SpriteFromText(std::initializer_list<const char*> rows, CSpriteInks inks = {});
CIndexedImage SpriteFromRows(const std::vector<std::string>& rows, CSpriteInks inks = {});

// A left-right symmetric sprite given by the left half of each row.
CIndexedImage MirroredSprite(std::initializer_list<const char*> leftHalves, CSpriteInks inks = {});
