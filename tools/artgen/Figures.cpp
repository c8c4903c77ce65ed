#include "Figures.h"

#include "Sprite.h"

namespace {
// A young page in a feathered cap, with a halberd on his shoulder.
CIndexedImage Jack(CSpriteInks inks) {
    CIndexedImage half = MirroredSprite(
        {"..................", "..........kkkkkkkk", ".........k22222222", "........k222222222",
         "........k222222222", ".......kkkkkkkkkkk", ".......kyyyyyyyyyy", ".......kkkkkkkkkkk",
         "........kyywwwwwww", "........kyywkkkwww", "........kyywwwkwww", ".......kyyywwwwwww",
         ".......kyyywwwwwwk", ".......kyoywwwwwkk", ".......kyyowwwwwww", "........kyowwwwrrr",
         "........kyywwwwwww", "........kkyykwwwww", "......kkwkkk.kwwww", ".....kwkwkwkkkkkkk",
         "....kwwwwwwwwkwkww", "...kk1kkkkkkkkwwkw", "..k11111111111kkkk", ".k111111111111k22y",
         ".k11111111111k222y", "k111111111111k2222", "k11111111111k2222y", "k1111111111k22222y",
         "kkkkkkkkkkkkkkkkkk", "k2222222222k22222y", "k2yy22yy222k22222y", "k2222222222k22222y",
         "k2yy22yy222k22222y", "k2222222222k22222y", "kkkkkkkkkkkkkkkkkk"},
        inks);
    half.Draw(SpriteFromText({"  kk  ", " kwwk ", "kwrwk ", "kwwk  ", "kkk   "}), 24, 0);
    half.Draw(SpriteFromText({" k   ", "ksk  ", "kssk ", "ksssk", "kssk ", "ksk  ", "kok  ",
                              "kok  ", "kok  ", "kok  ", "kok  ", "kok  ", "kok  ", "kok  ",
                              "kok  ", "kok  ", "kok  ", "kok  "}),
              29, 0);
    return half;
}

// A crowned queen with long fair hair and a necklace, holding a rose.
CIndexedImage Queen(CSpriteInks inks) {
    CIndexedImage half = MirroredSprite(
        {"..................", "..............k..k", ".............kyk.k", "...........k.kyykk",
         "..........kykyyyyy", "..........kyyry2yy", ".........kkkkkkkkk", "........kyyoyyyyyy",
         ".......kyyoywwwwww", ".......kyoyywkkwww", ".......kyoywwwkwww", ".......kyoywwwwwww",
         "......kyyoywwwwwwk", "......kyoyywwwwwww", "......kyoyywwwwrrr", "......kyoyyowwwwww",
         ".....kyoyyokkwwwww", ".....kyoyyok.kwwww", "....kyoyyok.kwwwww", "....kyoyok.kwryryr",
         "...kyoyyokkwwwwwww", "..kyoyyok22kkwwwww", "..k1yyok2222kkwwww", ".k11ook222222kkkww",
         ".k111k22222222kkkk", "k11111k22222211111", "k111111k2222111111", "k1y11y11k22y1y1y11",
         "k11y11y11k11111111", "k111111111k11y1y11", "k1y11y11111k111111", "k11y11y111111k1y1y",
         "k1111111111111k111", "k22222222222222k22", "kkkkkkkkkkkkkkkkkk"},
        inks);
    half.Draw(SpriteFromText({"  kk  ", " krrk ", "krrwrk", " krrk ", "  kGk ", "  kGk ", "  kGk ",
                              " kwwwk", " kwwwk", "  kkk "}),
              2, 14);
    return half;
}

// A bearded king with an ermine collar and a sword behind his shoulder.
CIndexedImage King(CSpriteInks inks) {
    CIndexedImage half = MirroredSprite(
        {"............k....k", "...........kyk..ky", "...........kyk..ky", "..........kyyyk.ky",
         "..........kyyyykyy", "..........kyyyyyyy", "..........kyr2yyry", "..........kyyyyyyy",
         ".........kkkkkkkkk", "........koyyywwwww", "........koyywkkkww", "........koyywwkwww",
         "........koyywwwwww", "........koyywwwwwk", "........koyyowwwkk", "........koyyooyyyy",
         "........koyyyyyrrr", "........koyyyoyyyy", "......kkkoyyyyoyyy", ".....kwkwkoyyyyyoy",
         "....kwwwwwkoyyyyyy", "...kwkwwkwwkoyyyyo", "..k1wwwwwwkwkkoyyy", ".k111wkwwwwwwwkkky",
         ".k2111wwkwwwkwwwwk", "k22111111wwwwwkwkw", "k2211111111111kwww", "k211111y111111kwkw",
         "k21111yyy11111kwww", "k211111y111111kwkw", "k21111111111y1kwww", "k2111111111yyykwkw",
         "k21111111111y1kwww", "k22222222222222kwk", "kkkkkkkkkkkkkkkkkk"},
        inks);
    half.Draw(SpriteFromText({" k ", "ksk", "ksk", "ksk", "ksk", "ksk", "ksk", "ksk", "ksk", "ksk",
                              "ksk", "ksk", "ksk", "ksk", "ksk"}),
              28, 0);
    half.Draw(SpriteFromText({"kkkkkkk", "kyyyyyk", "kkkykkk", " kwykk ", "kwwywwk", " kwwwk "}),
              26, 15);
    return half;
}

// The robes of each suit's court: hearts and diamonds in red, clubs and spades in blue, each
// trimmed in a colour of its own.
CSpriteInks CourtInks(CSuit suit) {
    CSpriteInks inks;
    inks.ink = SuitInk(suit);
    switch (suit) {
    case CSuit::Hearts:
        inks.accent1 = kRed;
        inks.accent2 = kBlue;
        break;
    case CSuit::Diamonds:
        inks.accent1 = kRed;
        inks.accent2 = kTeal;
        break;
    case CSuit::Clubs:
        inks.accent1 = kBlue;
        inks.accent2 = kRed;
        break;
    case CSuit::Spades:
        inks.accent1 = kNavy;
        inks.accent2 = kPurple;
        break;
    }
    return inks;
}
} // namespace

CIndexedImage FigureHalf(CSuit suit, int nRank) {
    const CSpriteInks inks = CourtInks(suit);
    CIndexedImage half = nRank == 11 ? Jack(inks) : nRank == 12 ? Queen(inks) : King(inks);
    half.Draw(Pip(suit, CPipSize::Small, SuitInk(suit)), 1, 1);
    return half;
}
