#include "SetupArt.h"

#include "CardFace.h"
#include "Sprite.h"

#include <cmath>

namespace {
// Ordered 4 by 4 dithering between two colours, for smooth-looking gradients.
bool DitherOn(int x, int y, double level) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return level * 16.0 > kBayer[y % 4][x % 4] + 0.5;
}

CIndexedImage WithClearCorners(CIndexedImage face) {
    static const int kCut[3][2] = {{0, 3}, {1, 1}, {2, 1}}; // row, pixels outside the corner
    for (const auto& cut : kCut)
        for (int x = 0; x < cut[1]; ++x) {
            int y = cut[0];
            face.Set(x, y, kClear);
            face.Set(face.Width() - 1 - x, y, kClear);
            face.Set(x, face.Height() - 1 - y, kClear);
            face.Set(face.Width() - 1 - x, face.Height() - 1 - y, kClear);
        }
    return face;
}

CIndexedImage MiniCard(CSuit suit) {
    CIndexedImage card(15, 20, kClear);
    DrawCardShape(card, 0, 0, 15, 20, kWhite);
    CIndexedImage pip = Pip(suit, CPipSize::Small, SuitInk(suit));
    card.Draw(pip, 4, (20 - pip.Height()) / 2);
    return card;
}

CIndexedImage FolderBack() {
    return SpriteFromText(
        {".kkkkkkk..............", "koyyyyyyk.............", "koyyyyyyykkkkkkkkkkkk.",
         "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk",
         "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk",
         "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk",
         "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk",
         "koyyyyyyyyyyyyyyyyyyyk", "koyyyyyyyyyyyyyyyyyyyk", "kooooooooooooooooooook",
         "kkkkkkkkkkkkkkkkkkkkkk"});
}

CIndexedImage FolderFront() {
    return SpriteFromText({"....kkkkkkkkkkkkkkkkkkkk", "...kwyyyyyyyyyyyyyyyyyyk",
                           "...kyyyyyyyyyyyyyyyyyyok", "..kyyyyyyyyyyyyyyyyyyyok",
                           "..kyyyyyyyyyyyyyyyyyyok.", ".kyyyyyyyyyyyyyyyyyyyok.",
                           ".kyyyyyyyyyyyyyyyyyyok..", "kyyyyyyyyyyyyyyyyyyyok..",
                           "kooooooooooooooooooook..", "kkkkkkkkkkkkkkkkkkkkk..."});
}
} // namespace

CIndexedImage SetupBanner() {
    CIndexedImage banner(kBannerWidth, kBannerHeight);
    for (int y = 0; y < kBannerHeight; ++y)
        for (int x = 0; x < kBannerWidth; ++x) {
            double level = static_cast<double>(y) / (kBannerHeight - 1);
            banner.Set(x, y, DitherOn(x, y, level) ? kBlue : kNavy);
        }
    banner.Draw(WithClearCorners(CardFace(CSuit::Spades, 1)), 6, 6);
    banner.Draw(WithClearCorners(CardFace(CSuit::Hearts, 13)), 30, 24);
    banner.Draw(WithClearCorners(CardFace(CSuit::Diamonds, 12)), 54, 42);
    return banner;
}

std::vector<CIndexedImage> SetupAnimation() {
    const CSuit suits[] = {CSuit::Hearts, CSuit::Spades, CSuit::Diamonds, CSuit::Clubs};
    const int deckX = 20, deckY = 30, folderX = 226, folderY = 30;
    std::vector<CIndexedImage> frames;
    for (int f = 0; f < kAnimationFrames; ++f) {
        CIndexedImage frame(kAnimationWidth, kAnimationHeight, kSilver);
        for (int i = 3; i >= 0; --i)
            frame.Draw(MiniCard(suits[i]), deckX - i, deckY - i);
        frame.Draw(FolderBack(), folderX, folderY + 4);
        for (int k = 0; k < 4; ++k) {
            double t = std::fmod((f + 4.0 * k) / kAnimationFrames, 1.0);
            int x = static_cast<int>(std::lround(deckX + t * (folderX + 4 - deckX)));
            int y = static_cast<int>(std::lround(deckY - std::sin(t * 3.14159265) * 26.0));
            frame.Draw(MiniCard(suits[k]), x, y);
        }
        frame.Draw(FolderFront(), folderX - 2, folderY + 13);
        frames.push_back(frame);
    }
    return frames;
}
