#include "Pictures.h"

#include "Sprite.h"

namespace {
// Each image is 16 by 15 on the toolbar's light grey.
CIndexedImage NewSheet() {
    return SpriteFromText({"................", "...kkkkkkk......", "...kwwwwwkk.....",
                           "...kwwwwwkwk....", "...kwwwwwkkkk...", "...kwwwwwwwwk...",
                           "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...",
                           "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...",
                           "...kwwwwwwwwk...", "...kkkkkkkkkk...", "................"});
}

CIndexedImage StartOver() {
    return SpriteFromText({"................", "................", "..kk............",
                           "..kk......k.....", "..kk.....kk.....", "..kk....kbk.....",
                           "..kk...kbbkkkkk.", "..kk..kbbbbbbbk.", "..kk...kbbkkkkk.",
                           "..kk....kbk.....", "..kk.....kk.....", "..kk......k.....",
                           "..kk............", "................", "................"});
}

CIndexedImage UndoArrow() {
    return SpriteFromText({"................", "................", ".......kkk......",
                           ".....kkbbbkk....", "....kbbbbbbbk...", "...kbbbbkbbbbk..",
                           "..kbbbkk.kkbbbk.", ".kkbbkkk...kbbk.", "kbbbbbbbk..kbbk.",
                           ".kbbbbbk...kbbk.", ".kbbbbbk...kbbk.", "..kbbbk....kbbk.",
                           "...kbk.....kbbk.", "....k.......kk..", "................"});
}

CIndexedImage ScoreSheet() {
    return SpriteFromText({"................", ".kkkkkkkkkk.....", ".kwwwwwwwwk.....",
                           ".kwkkwkkwwk..kk.", ".kwwwwwwwwk.krrk", ".kwkkkwkkwk.kyyk",
                           ".kwwwwwwwwkkyyk.", ".kwkkwkkwkkyyk..", ".kwwwwwwwkyyk...",
                           ".kwkkkwkkkyyk...", ".kwwwwwwwkssk...", ".kwwwwwwwkkk....",
                           ".kwwwwwwwkk.....", ".kkkkkkkkkk.....", "................"});
}

CIndexedImage QuestionMark() {
    return SpriteFromText({"................", ".....kkkkkk.....", "....kbbbbbbk....",
                           "...kbbkkkkbbk...", "...kbbk..kbbk...", "....kk...kbbk...",
                           "........kbbk....", ".......kbbk.....", "......kbbk......",
                           "......kbbk......", ".......kk.......", "......kbbk......",
                           "......kbbk......", ".......kk.......", "................"});
}

CIndexedImage LightBulb() {
    return SpriteFromText({"......kkkk......", "....kkyyyykk....", "...kyywwyyyyk...",
                           "..kyywyyyyyyyk..", "..kywyyyyyyyyk..", "..kyyyyyyyyyyk..",
                           "..kyyyyyyyyyyk..", "...kyyyyyyyyk...", "....kyyyyyyk....",
                           ".....kyyyyk.....", ".....kggggk.....", ".....ksssk......",
                           ".....kggggk.....", "......kkkk......", "................"});
}
} // namespace

CIndexedImage ToolbarStrip() {
    CIndexedImage strip(96, 15, kSilver);
    const CIndexedImage images[] = {NewSheet(),   StartOver(),    UndoArrow(),
                                    ScoreSheet(), QuestionMark(), LightBulb()};
    for (int i = 0; i < 6; ++i)
        strip.Draw(images[i], 16 * i, 0);
    return strip;
}
