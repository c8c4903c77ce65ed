#include "CardFace.h"

#include "Figures.h"

#include <stdexcept>
#include <vector>

namespace {
// The rounded corner, top-left, as (row, first inside column): rows 0 to 2 are cut back.
// Row 0 is all outline from x = 3; row 1 has outline at x = 1, 2; row 2 at x = 1.
void DrawCorners(CIndexedImage& image, int x, int y, int cx, int cy) {
    auto mark = [&](int dx, int dy, std::uint8_t c) {
        image.Set(x + dx, y + dy, c);
        image.Set(x + cx - 1 - dx, y + dy, c);
        image.Set(x + dx, y + cy - 1 - dy, c);
        image.Set(x + cx - 1 - dx, y + cy - 1 - dy, c);
    };
    mark(1, 1, kBlack);
    mark(2, 1, kBlack);
    mark(1, 2, kBlack);
}

enum CColumn { kL = 14, kC = 25, kR = 37 };

struct CPipPlace {
    int x;
    int y;
};

// Box tops of the pip rows; the lower half mirrors the upper.
constexpr int kTop = 6;
constexpr int kMid = 36;
constexpr int kSecond = 26;   // the second of four rows
constexpr int kSevenTop = 21; // the centre pip between the top and middle rows
constexpr int kTenTop = 16;   // the centre pip between the first and second rows
constexpr int kPipH = 10;

int Mirror(int y) {
    return kCardHeight - y - kPipH;
}

std::vector<CPipPlace> PipPlaces(int nRank) {
    const int t = kTop, b = Mirror(kTop), s = kSecond, s2 = Mirror(kSecond);
    switch (nRank) {
    case 2:
        return {{kC, t}, {kC, b}};
    case 3:
        return {{kC, t}, {kC, kMid}, {kC, b}};
    case 4:
        return {{kL, t}, {kR, t}, {kL, b}, {kR, b}};
    case 5:
        return {{kL, t}, {kR, t}, {kC, kMid}, {kL, b}, {kR, b}};
    case 6:
        return {{kL, t}, {kR, t}, {kL, kMid}, {kR, kMid}, {kL, b}, {kR, b}};
    case 7:
        return {{kL, t}, {kR, t}, {kC, kSevenTop}, {kL, kMid}, {kR, kMid}, {kL, b}, {kR, b}};
    case 8:
        return {{kL, t}, {kR, t}, {kC, kSevenTop}, {kL, kMid}, {kR, kMid}, {kC, Mirror(kSevenTop)},
                {kL, b}, {kR, b}};
    case 9:
        return {{kL, t},  {kR, t},  {kL, s}, {kR, s}, {kC, kMid},
                {kL, s2}, {kR, s2}, {kL, b}, {kR, b}};
    case 10:
        return {{kL, t},  {kR, t},  {kC, kTenTop},         {kL, s}, {kR, s},
                {kL, s2}, {kR, s2}, {kC, Mirror(kTenTop)}, {kL, b}, {kR, b}};
    }
    throw std::invalid_argument("no pip layout for this rank");
}

CIndexedImage FlippedY(const CIndexedImage& image) {
    return image.Rotated180().MirroredX();
}

void DrawPips(CIndexedImage& face, CSuit suit, int nRank) {
    CIndexedImage pip = Pip(suit, CPipSize::Medium, SuitInk(suit));
    CIndexedImage flipped = FlippedY(pip);
    for (const CPipPlace& p : PipPlaces(nRank))
        face.Draw(p.y + kPipH / 2 > kCardHeight / 2 ? flipped : pip, p.x, p.y);
}

void DrawIndex(CIndexedImage& face, CSuit suit, int nRank) {
    CIndexedImage index(kIndexWidth, kIndexHeight, kClear);
    CIndexedImage rank = RankGlyph(nRank, SuitInk(suit));
    index.Draw(rank, (kIndexWidth - rank.Width() + 1) / 2, 1);
    index.Draw(Pip(suit, CPipSize::Small, SuitInk(suit)), 1, 10);
    face.Draw(index, kIndexLeft, kIndexTop);
    face.Draw(index.Rotated180(), kCardWidth - kIndexLeft - kIndexWidth,
              kCardHeight - kIndexTop - kIndexHeight);
}

void DrawAce(CIndexedImage& face, CSuit suit) {
    CIndexedImage pip = Pip(suit, CPipSize::Large, SuitInk(suit));
    face.Draw(pip, (kCardWidth - pip.Width()) / 2, (kCardHeight - pip.Height()) / 2);
}

// The Ace of Spades carries its name and a year mark around a small spade in a ring.
void DrawAceOfSpades(CIndexedImage& face) {
    const double cx = kCardWidth / 2.0, cy = kCardHeight / 2.0;
    face.EllipseRim(cx, cy, 13, 15, kBlack);
    face.EllipseRim(cx, cy, 11, 13, kGrey);
    for (int i = 0; i < 2; ++i) { // studs where the ring meets the axes
        face.FillRect(static_cast<int>(cx) - 1, i ? 54 : 26, 2, 2, kBlack);
        face.FillRect(i ? 42 : 16, static_cast<int>(cy) - 1, 2, 2, kBlack);
    }
    CIndexedImage spade = Pip(CSuit::Spades, CPipSize::Medium, kBlack);
    face.Draw(spade, (kCardWidth - spade.Width()) / 2, (kCardHeight - spade.Height()) / 2);
    CIndexedImage ace = TinyText("ACE OF", kBlack);
    CIndexedImage name = TinyText("SPADES", kBlack);
    CIndexedImage year = TinyText("1998", kNavy);
    face.Draw(ace, (kCardWidth - ace.Width()) / 2, 18);
    face.Draw(name, (kCardWidth - name.Width()) / 2, 59);
    face.Draw(year, (kCardWidth - year.Width()) / 2, 66);
}

// Court cards: a framed picture of the figure, whole at the top and upside down below.
void DrawCourt(CIndexedImage& face, CSuit suit, int nRank) {
    const int left = 11, top = 5, cx = kCardWidth - 2 * left, cy = kCardHeight - 2 * top;
    face.Frame(left, top, cx, cy, kBlack);
    CIndexedImage half = FigureHalf(suit, nRank);
    face.Draw(half, left + 1, top + 1);
    face.Draw(half.Rotated180(), left + 1, top + 1 + kFigureHeight);
}
} // namespace

std::uint8_t ClothAt(int x, int y, int nPhase) {
    return (x + y + nPhase) % 2 == 0 ? kCyan : kGreen;
}

void DrawCardShape(CIndexedImage& image, int x, int y, int cx, int cy, std::uint8_t fill) {
    image.FillRect(x + 1, y + 1, cx - 2, cy - 2, fill);
    image.FillRect(x + 3, y, cx - 6, 1, kBlack);
    image.FillRect(x + 3, y + cy - 1, cx - 6, 1, kBlack);
    image.FillRect(x, y + 3, 1, cy - 6, kBlack);
    image.FillRect(x + cx - 1, y + 3, 1, cy - 6, kBlack);
    DrawCorners(image, x, y, cx, cy);
}

CIndexedImage CardFace(CSuit suit, int nRank) {
    CIndexedImage face(kCardWidth, kCardHeight);
    for (int y = 0; y < kCardHeight; ++y)
        for (int x = 0; x < kCardWidth; ++x)
            face.Set(x, y, ClothAt(x, y, 0));
    DrawCardShape(face, 0, 0, kCardWidth, kCardHeight, kWhite);
    DrawIndex(face, suit, nRank);
    if (nRank == 1 && suit == CSuit::Spades)
        DrawAceOfSpades(face);
    else if (nRank == 1)
        DrawAce(face, suit);
    else if (nRank <= 10)
        DrawPips(face, suit, nRank);
    else
        DrawCourt(face, suit, nRank);
    return face;
}
