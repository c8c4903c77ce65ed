#include "SetupArt.h"

#include "CardFace.h"
#include "Sprite.h"

#include <algorithm>
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

// An open folder: its back with the tab, and the front flap the cards slide behind.
CIndexedImage FolderBack() {
    std::vector<std::string> rows = {".kkkkkkkkk....................",
                                     "kyyyyyyyyyk...................",
                                     "kyyyyyyyyyykkkkkkkkkkkkkkkkkkk"};
    for (int i = 0; i < 18; ++i)
        rows.push_back("kyooooooooooooooooooooooooooyk");
    rows.push_back("kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk");
    return SpriteFromRows(rows);
}

CIndexedImage FolderFront() {
    return SpriteFromText({"....kkkkkkkkkkkkkkkkkkkkkkkkkkkk", "...kwyyyyyyyyyyyyyyyyyyyyyyyyyok",
                           "...kyyyyyyyyyyyyyyyyyyyyyyyyyyok", "..kyyyyyyyyyyyyyyyyyyyyyyyyyyok.",
                           "..kyyyyyyyyyyyyyyyyyyyyyyyyyyok.", ".kyyyyyyyyyyyyyyyyyyyyyyyyyyok..",
                           ".kyyyyyyyyyyyyyyyyyyyyyyyyyyok..", "kyyyyyyyyyyyyyyyyyyyyyyyyyyok...",
                           "kyyyyyyyyyyyyyyyyyyyyyyyyyyok...", "kooooooooooooooooooooooooook....",
                           "kkkkkkkkkkkkkkkkkkkkkkkkkkkk...."});
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
    const int deckX = 24, deckY = 30, folderX = 226, folderY = 36;
    const CIndexedImage back = FolderBack(), front = FolderFront();
    const int frontY = folderY + back.Height() - front.Height();
    std::vector<CIndexedImage> frames;
    for (int f = 0; f < kAnimationFrames; ++f) {
        CIndexedImage frame(kAnimationWidth, kAnimationHeight, kSilver);
        for (int i = 3; i >= 0; --i)
            frame.Draw(MiniCard(suits[i]), deckX - i, deckY - i);
        frame.Draw(back, folderX, folderY);
        // Four cards in the air at once, a quarter of the loop apart; each rises from the
        // deck, arcs over to the folder's mouth and sinks behind its front.
        const int mouthY = frontY - 16;
        for (int k = 0; k < 4; ++k) {
            double t = std::fmod((f + 4.0 * k) / kAnimationFrames, 1.0);
            double u = std::min(1.0, t / 0.8), sink = std::max(0.0, (t - 0.8) / 0.2);
            double x = deckX + u * (folderX + 8 - deckX);
            double y = deckY + u * (mouthY - deckY) - std::sin(u * 3.14159265) * 26.0 +
                       sink * (frontY + 2 - mouthY);
            const int top = static_cast<int>(std::lround(y));
            const CIndexedImage card = MiniCard(suits[k]);
            const int visible = std::min(card.Height(), folderY + back.Height() - 1 - top);
            frame.Draw(card.Crop(0, 0, card.Width(), visible), static_cast<int>(std::lround(x)),
                       top);
        }
        frame.Draw(front, folderX - 2, frontY);
        frames.push_back(frame);
    }
    return frames;
}
