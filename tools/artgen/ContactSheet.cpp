#include "ContactSheet.h"

#include "ArtSet.h"
#include "BmpReader.h"
#include "PngFile.h"
#include "Pictures.h"
#include "resource.h"

#include <stdexcept>

namespace {
constexpr int kScale = 2;
constexpr int kGap = 6;
constexpr int kSheetWidth = kGap + 13 * (60 + kGap);
constexpr int kSheetHeight = kGap + 4 * (82 + kGap) + 132 + kGap;

CRgbImage Load(const std::string& folder, const std::string& name) {
    CRgbImage image;
    if (!ReadBitmapFile(folder + "/" + name, &image))
        throw std::runtime_error("cannot read " + folder + "/" + name);
    return image;
}

void Blit(CRgbImage& sheet, const CRgbImage& image, int x, int y) {
    for (int j = 0; j < image.Height(); ++j)
        for (int i = 0; i < image.Width(); ++i)
            if (sheet.Contains(x + i, y + j)) sheet.Set(x + i, y + j, image.At(i, j));
}

std::vector<std::uint8_t> EnlargedRgb(const CRgbImage& sheet) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(sheet.Width()) * sheet.Height() * 3 * kScale * kScale);
    for (int y = 0; y < sheet.Height() * kScale; ++y)
        for (int x = 0; x < sheet.Width() * kScale; ++x) {
            CRgb c = sheet.At(x / kScale, y / kScale);
            rgb.insert(rgb.end(), {c.r, c.g, c.b});
        }
    return rgb;
}

// The foundations' markers match the cloth at odd or even x + y; keep that parity here.
int AlignToPhase(int x, int y, int nPhase) {
    return (x + y) % 2 == nPhase ? x : x + 1;
}
} // namespace

std::vector<std::uint8_t> MakeContactSheet(const std::string& folder) {
    CRgbImage sheet(kSheetWidth, kSheetHeight);
    CRgbImage cloth = Load(folder, std::to_string(IDB_PATTERN) + ".bmp");
    for (int y = 0; y < kSheetHeight; ++y)
        for (int x = 0; x < kSheetWidth; ++x)
            sheet.Set(x, y, cloth.At(x % cloth.Width(), y % cloth.Height()));

    const CSuit suits[] = {CSuit::Clubs, CSuit::Hearts, CSuit::Spades, CSuit::Diamonds};
    for (int s = 0; s < 4; ++s)
        for (int rank = 1; rank <= 13; ++rank)
            Blit(sheet, Load(folder, std::to_string(FaceResourceId(suits[s], rank)) + ".bmp"),
                 kGap + (rank - 1) * (60 + kGap), kGap + s * (82 + kGap));

    const int y = kGap + 4 * (82 + kGap);
    int x = kGap;
    for (CSuit suit : suits) {
        const int phase = FoundationClothPhase(suit);
        Blit(sheet, Load(folder, std::to_string(EmptyFoundationResourceId(suit)) + ".bmp"),
             AlignToPhase(x, y, phase), y);
        x += 60 + kGap;
    }
    Blit(sheet, Load(folder, std::to_string(IDR_MAINFRAME) + ".bmp"), x, y);
    x += 96 + kGap;
    Blit(sheet, Load(folder, std::to_string(IDB_ABOUT) + ".bmp"), x, y);
    x += 100 + kGap;
    Blit(sheet, Load(folder, "setup.bmp"), x, y);
    return EncodePng(sheet.Width() * kScale, sheet.Height() * kScale, EnlargedRgb(sheet));
}
