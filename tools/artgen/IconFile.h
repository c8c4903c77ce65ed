// Icon (.ico) and cursor (.cur) files as the resource compiler reads them: a directory of
// images, each a DIB of twice the height holding the colour bits and then the AND mask.
#pragma once

#include "IndexedImage.h"

#include <vector>

// 16-colour icon images; kClear pixels are transparent.
std::vector<std::uint8_t> EncodeIcon(const std::vector<CIndexedImage>& images);

// Monochrome cursor images: kBlack and kWhite are drawn, kClear is transparent, and kGrey
// inverts the screen.
struct CCursorImage {
    CIndexedImage image;
    int xHotspot;
    int yHotspot;
};
std::vector<std::uint8_t> EncodeCursor(const std::vector<CCursorImage>& images);
