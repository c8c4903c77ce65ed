#include "Cursors.h"

#include "Sprite.h"

namespace {
// k black, w white; the rest is transparent.
CIndexedImage OnCursor(const CIndexedImage& sprite, int x, int y, int nSize) {
    CIndexedImage image(nSize, nSize, kClear);
    image.Draw(sprite, x, y);
    return image;
}

CIndexedImage OpenHand() {
    return SpriteFromText({"........kk.........", "....kk.kwwkkk......", "...kwwkkwwkwwk.....",
                           "...kwwkkwwkwwk.kk..", "...kwwkkwwkwwkkwwk.", "...kwwkkwwkwwkkwwk.",
                           "...kwwkkwwkwwkkwwk.", "...kwwkkwwkwwkkwwk.", ".kk.kwwkwwkwwkkwwk.",
                           "kwwkkwwwwwwwwwkwwk.", "kwwwkwwwwwwwwwwwwk.", ".kwwwkwwwwwwwwwwwk.",
                           "..kwwwwwwwwwwwwwwk.", "..kwwwwwwwwwwwwwwk.", "...kwwwwwwwwwwwwk..",
                           "...kwwwwwwwwwwwwk..", "....kwwwwwwwwwwk...", ".....kwwwwwwwwwk...",
                           ".....kwwwwwwwwwk...", ".....kkkkkkkkkkk..."});
}

CIndexedImage ClosedHand() {
    return SpriteFromText({"....kk.kk.kk.......", "...kwwkwwkwwkk.....", "...kwwkwwkwwkwk....",
                           ".kkkwwwwwwwwkwwk...", "kwwkwwwwwwwwwwwk...", "kwwwwwwwwwwwwwwk...",
                           ".kwwwwwwwwwwwwwk...", "..kwwwwwwwwwwwwk...", "..kwwwwwwwwwwwk....",
                           "...kwwwwwwwwwwk....", "....kwwwwwwwwk.....", "....kwwwwwwwwk.....",
                           "....kkkkkkkkkk....."});
}

CIndexedImage HelpArrow() {
    return SpriteFromText({"k..................", "kk.................", "kwk................",
                           "kwwk...............", "kwwwk..............", "kwwwwk.......kkkkk.",
                           "kwwwwwk.....kwwwwwk", "kwwwwwwk...kwwkkkwwk", "kwwwwwwwk..kwwk.kwwk",
                           "kwwwwwwwwk..kk.kwwk.", "kwwwwwkkkkk...kwwk..", "kwwkwwk......kwwk...",
                           "kwk.kwwk.....kwwk...", "kk..kwwk......kk....", "k....kwwk....kwwk...",
                           ".....kwwk....kwwk...", "......kwwk....kk....", "......kwwk..........",
                           ".......kk..........."});
}

CIndexedImage SmallHelpArrow() {
    return SpriteFromText({"k..........", "kk.........", "kwk........", "kwwk...kk..",
                           "kwwwk.k..k.", "kwwwwk...k.", "kwwwwwk.k..", "kwwkkkk.k..",
                           "kwk.kwk....", "kk..kwk.k..", "k....kwk...", ".....kk...."});
}
} // namespace

std::vector<CCursorImage> OpenHandCursor() {
    return {CCursorImage{OnCursor(OpenHand(), 7, 2, 32), 16, 12}};
}

std::vector<CCursorImage> ClosedHandCursor() {
    return {CCursorImage{OnCursor(ClosedHand(), 8, 7, 32), 16, 12}};
}

std::vector<CCursorImage> ContextHelpCursor() {
    return {CCursorImage{OnCursor(HelpArrow(), 2, 2, 32), 2, 2},
            CCursorImage{OnCursor(SmallHelpArrow(), 1, 1, 16), 1, 1}};
}
