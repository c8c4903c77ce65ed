#include "Pictures.h"

#include "CardFace.h"

namespace {
constexpr int kMarkerHeight = 80;

// A raised grey tile, lit from the top-left like a button.
void DrawTile(CIndexedImage& image, int x, int y, int cx, int cy) {
    image.FillRect(x, y, cx, cy, kSilver);
    image.FillRect(x, y, cx - 1, 1, kWhite);
    image.FillRect(x, y, 1, cy - 1, kWhite);
    image.FillRect(x + 1, y + cy - 2, cx - 2, 1, kGrey);
    image.FillRect(x + cx - 2, y + 1, 1, cy - 2, kGrey);
    image.FillRect(x, y + cy - 1, cx, 1, kBlack);
    image.FillRect(x + cx - 1, y, 1, cy, kBlack);
}

void FillCloth(CIndexedImage& image, int nPhase) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.Set(x, y, ClothAt(x, y, nPhase));
}

CIndexedImage Enlarged(const CIndexedImage& image, int nScale) {
    CIndexedImage out(image.Width() * nScale, image.Height() * nScale, kClear);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            out.Set(x, y, image.At(x / nScale, y / nScale));
    return out;
}
} // namespace

int FoundationClothPhase(CSuit suit) {
    // Foundations stand at x = 522 and y = 18 (Hearts), 111 (Clubs), 204 (Diamonds) and
    // 297 (Spades); the cloth is cyan where the table's x + y is even.
    switch (suit) {
    case CSuit::Hearts:
        return (522 + 18) % 2;
    case CSuit::Clubs:
        return (522 + 111) % 2;
    case CSuit::Diamonds:
        return (522 + 204) % 2;
    case CSuit::Spades:
        break;
    }
    return (522 + 297) % 2;
}

CIndexedImage EmptyFoundation(CSuit suit) {
    const int nPhase = FoundationClothPhase(suit);
    CIndexedImage marker(kCardWidth, kMarkerHeight);
    FillCloth(marker, nPhase);
    // Only the outline is drawn: the cloth shows through the empty place.
    CIndexedImage outline(kCardWidth, kMarkerHeight, kClear);
    DrawCardShape(outline, 0, 0, kCardWidth, kMarkerHeight, kClear);
    marker.Draw(outline, 0, 0);
    const int tile = 17;
    const int x = (kCardWidth - tile) / 2, y = (kMarkerHeight - tile) / 2;
    DrawTile(marker, x, y, tile, tile);
    CIndexedImage pip = Pip(suit, CPipSize::Medium, SuitInk(suit));
    marker.Draw(pip, x + 3, y + 3);
    return marker;
}

CIndexedImage TablePattern() {
    CIndexedImage pattern(8, 8);
    FillCloth(pattern, 0);
    return pattern;
}

CIndexedImage AboutPicture() {
    CIndexedImage about(100, 100);
    FillCloth(about, 0);
    for (int i = 0; i < 3; ++i)
        about.Draw(Pip(CSuit::Clubs, CPipSize::Medium, kBlack), 2, 8 + 24 * i);
    // Both cards at even x + y, where their rounded corners match the cloth.
    about.Draw(CardFace(CSuit::Diamonds, 13), 13, 1);
    about.Draw(CardFace(CSuit::Clubs, 1), 40, 10);
    CIndexedImage title = Enlarged(TitleText("QUENLOW", kYellow), 2);
    const int x = (100 - title.Width()) / 2, y = 100 - title.Height() - 2;
    about.Stamp(title, x + 1, y + 1, kBlack);
    about.Draw(title, x, y);
    return about;
}
