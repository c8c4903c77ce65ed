// The empty-foundation markers, the toolbar strip and the About picture.
#include "ArtFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace {
constexpr std::uint32_t kBlackRgb = 0x000000, kRedRgb = 0xff0000, kCyanRgb = 0x00ffff;
constexpr std::uint32_t kGreenRgb = 0x008000, kSilverRgb = 0xc0c0c0, kYellowRgb = 0xffff00;

CBmp Load(int id) {
    CBmp bmp;
    EXPECT_TRUE(ReadBmp(ArtPath(std::to_string(id) + ".bmp"), &bmp)) << id;
    return bmp;
}

std::uint32_t Rgb(const CBmp& bmp, int x, int y) {
    return bmp.dib.palette.at(bmp.At(x, y));
}

// The ink pixels of the top pip of a Two (in the middle column, above the card's centre),
// as offsets from their bounding box.
std::set<std::pair<int, int>> TopPipOfTwo(int twoId, std::uint32_t ink) {
    CBmp two = Load(twoId);
    std::set<std::pair<int, int>> pixels;
    int minX = 60, minY = 82;
    for (int y = 1; y < 41; ++y)
        for (int x = 11; x < 49; ++x)
            if (Rgb(two, x, y) == ink) {
                pixels.insert({x, y});
                minX = std::min(minX, x);
                minY = std::min(minY, y);
            }
    std::set<std::pair<int, int>> shape;
    for (auto [x, y] : pixels)
        shape.insert({x - minX, y - minY});
    return shape;
}

// Whether the shape appears somewhere in the picture with nothing else of its ink inside its
// bounding box.
bool Shows(const CBmp& bmp, const std::set<std::pair<int, int>>& shape, std::uint32_t ink) {
    int cx = 0, cy = 0;
    for (auto [x, y] : shape) {
        cx = std::max(cx, x + 1);
        cy = std::max(cy, y + 1);
    }
    for (int oy = 0; oy + cy <= bmp.dib.cy; ++oy)
        for (int ox = 0; ox + cx <= bmp.dib.cx; ++ox) {
            bool match = true;
            for (int y = 0; y < cy && match; ++y)
                for (int x = 0; x < cx && match; ++x)
                    match = (Rgb(bmp, ox + x, oy + y) == ink) == (shape.count({x, y}) != 0);
            if (match) return true;
        }
    return false;
}

struct CMarker {
    int id;
    int twoId;
    std::uint32_t ink;
    int tableTop; // the foundation's top edge on the table; its left edge is 522
};
const CMarker kMarkers[] = {{264, 207, kRedRgb, 18},
                            {259, 246, kBlackRgb, 111},
                            {263, 233, kRedRgb, 204},
                            {265, 220, kBlackRgb, 297}};
} // namespace

TEST(EmptyFoundations, EachShowsTheSignOfItsOwnSuitAndNoOther) {
    for (const CMarker& own : kMarkers) {
        CBmp marker = Load(own.id);
        for (const CMarker& any : kMarkers) {
            if (any.ink != own.ink) continue;
            EXPECT_EQ(Shows(marker, TopPipOfTwo(any.twoId, any.ink), any.ink), any.id == own.id)
                << "marker " << own.id << ", sign of " << any.id;
        }
    }
}

TEST(EmptyFoundations, ClothInsideMatchesTheTableAtTheFoundation) {
    for (const CMarker& m : kMarkers) {
        CBmp marker = Load(m.id);
        int clothPixels = 0;
        for (int y = 4; y < 76; ++y)
            for (int x = 4; x < 56; ++x) {
                std::uint32_t c = Rgb(marker, x, y);
                if (c != kCyanRgb && c != kGreenRgb) continue;
                ++clothPixels;
                EXPECT_EQ(c, (522 + x + m.tableTop + y) % 2 == 0 ? kCyanRgb : kGreenRgb)
                    << m.id << " at " << x << "," << y;
            }
        EXPECT_GT(clothPixels, 52 * 72 / 2) << m.id;
        EXPECT_EQ(Rgb(marker, 30, 0), kBlackRgb) << "card outline";
        EXPECT_EQ(Rgb(marker, 0, 40), kBlackRgb) << "card outline";
    }
}

TEST(Toolbar, SixDistinctImagesOnLightGrey) {
    CBmp strip = Load(128);
    std::set<std::vector<unsigned>> images;
    for (int i = 0; i < 6; ++i) {
        std::vector<unsigned> image;
        int drawn = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x) {
                image.push_back(strip.At(16 * i + x, y));
                drawn += Rgb(strip, 16 * i + x, y) != kSilverRgb;
            }
        EXPECT_EQ(Rgb(strip, 16 * i, 14), kSilverRgb) << "image " << i;
        EXPECT_EQ(Rgb(strip, 16 * i + 15, 0), kSilverRgb) << "image " << i;
        EXPECT_GT(drawn, 20) << "image " << i;
        images.insert(image);
    }
    EXPECT_EQ(images.size(), 6u);
}

TEST(AboutPicture, ShowsTheCardsAndTheLetteredName) {
    CBmp about = Load(268);
    std::set<std::uint32_t> colours;
    int lettering = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            colours.insert(Rgb(about, x, y));
            lettering += y >= 80 && Rgb(about, x, y) == kYellowRgb;
        }
    EXPECT_TRUE(colours.count(kRedRgb)) << "the King of Diamonds";
    EXPECT_TRUE(colours.count(kBlackRgb)) << "the clubs";
    EXPECT_GT(lettering, 60);
}
