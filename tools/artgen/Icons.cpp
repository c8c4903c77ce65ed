#include "Icons.h"

#include "CardFace.h"
#include "Glyphs.h"
#include "Sprite.h"

#include <cmath>

namespace {
constexpr double kDegree = 3.14159265358979323846 / 180.0;

// A card of cx by cy standing on the pivot (px, py) at its foot and turned by the angle
// (degrees, clockwise), white with a black edge, and a small suit mark in its top corner.
void DrawTurnedCard(CIndexedImage& image, double px, double py, double cx, double cy,
                    double degrees, std::uint8_t mark) {
    const double a = degrees * kDegree;
    const double s = std::sin(a), c = std::cos(a);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            double dx = x + 0.5 - px, dy = y + 0.5 - py;
            double u = dx * c + dy * s;  // across the card
            double v = -dx * s + dy * c; // along it, negative towards its top
            if (std::fabs(u) > cx / 2 || v > 0 || v < -cy) continue;
            bool edge = std::fabs(u) > cx / 2 - 1 || v > -1 || v < -cy + 1;
            bool corner = u < -cx / 2 + 4 && u > -cx / 2 + 1.5 && v < -cy + 5 && v > -cy + 1.5;
            image.Set(x, y, edge ? std::uint8_t{kBlack} : corner ? mark : std::uint8_t{kWhite});
        }
}

CIndexedImage SmallCard(int cx, int cy, CSuit suit, CPipSize size) {
    CIndexedImage card(cx, cy, kClear);
    DrawCardShape(card, 0, 0, cx, cy, kWhite);
    CIndexedImage pip = Pip(suit, size, SuitInk(suit));
    card.Draw(pip, (cx - pip.Width()) / 2, (cy - pip.Height()) / 2);
    return card;
}

void DrawClubColumn(CIndexedImage& image, int x, int y, int nCount, int nStep) {
    for (int i = 0; i < nCount; ++i)
        image.Draw(Pip(CSuit::Clubs, CPipSize::Small, kBlack), x, y + nStep * i);
}

void DrawFan(CIndexedImage& image, double px, double py) {
    DrawTurnedCard(image, px, py, 13, 19, -32, kRed);
    DrawTurnedCard(image, px, py, 13, 19, -12, kBlack);
    DrawTurnedCard(image, px, py, 13, 19, 12, kRed);
    DrawTurnedCard(image, px, py, 13, 19, 32, kBlack);
}
} // namespace

std::vector<CIndexedImage> ProgramIcon() {
    CIndexedImage large(32, 32, kClear);
    DrawClubColumn(large, 0, 3, 3, 9);
    DrawFan(large, 20, 26);
    large.Draw(SmallCard(15, 20, CSuit::Spades, CPipSize::Small), 13, 11);
    CIndexedImage small(16, 16, kClear);
    small.Draw(Pip(CSuit::Clubs, CPipSize::Small, kBlack), 0, 1);
    small.Draw(Pip(CSuit::Clubs, CPipSize::Small, kBlack), 0, 9);
    small.Draw(SmallCard(9, 13, CSuit::Spades, CPipSize::Small), 7, 2);
    return {large, small};
}

std::vector<CIndexedImage> DocumentIcon() {
    CIndexedImage large(32, 32, kClear);
    DrawFan(large, 16, 27);
    large.Draw(SmallCard(15, 20, CSuit::Spades, CPipSize::Small), 9, 11);
    CIndexedImage small(16, 16, kClear);
    small.Draw(SmallCard(9, 12, CSuit::Hearts, CPipSize::Small), 0, 0);
    small.Draw(SmallCard(9, 12, CSuit::Hearts, CPipSize::Small), 6, 4);
    return {large, small};
}

std::vector<CIndexedImage> SetupIcon() {
    // A setup box: a carton with a card fan rising out of it.
    CIndexedImage icon(32, 32, kClear);
    DrawFan(icon, 16, 22);
    CIndexedImage box = SpriteFromText(
        {"..kkkkkkkkkkkkkkkkkkkkk.", ".kyyyyyyyyyyyyyyyyyyyyok", "kooooooooooooooooooooook",
         "kyyyyyyyyyyyyyyyyyyyyyok", "kyyyyyyyyyyyyyyyyyyyyyok", "kyyyyyykkkkkkkkkyyyyyyok",
         "kyyyyyyyyyyyyyyyyyyyyyok", "kyyyyyyyyyyyyyyyyyyyyyok", "kyyyyyyyyyyyyyyyyyyyyyok",
         "kyyyyyyyyyyyyyyyyyyyyyok", "kooooooooooooooooooooook", ".kkkkkkkkkkkkkkkkkkkkkk."});
    icon.Draw(box, 4, 19);
    return {icon};
}
