// The game's bitmaps as files: ids, sizes, the 4-bit VGA format, and what the pictures show.
#include "ArtFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {
constexpr std::uint32_t kBlackRgb = 0x000000, kWhiteRgb = 0xffffff, kRedRgb = 0xff0000;
constexpr std::uint32_t kCyanRgb = 0x00ffff, kGreenRgb = 0x008000, kSilverRgb = 0xc0c0c0;

CBmp Load(int id) {
    CBmp bmp;
    EXPECT_TRUE(ReadBmp(ArtPath(std::to_string(id) + ".bmp"), &bmp)) << id;
    return bmp;
}

std::uint32_t Rgb(const CBmp& bmp, int x, int y) {
    return bmp.dib.palette.at(bmp.At(x, y));
}

std::uint32_t Cloth(int x, int y) {
    return (x + y) % 2 == 0 ? kCyanRgb : kGreenRgb;
}

struct CPictureSize {
    int id, cx, cy;
};

std::vector<CPictureSize> AllPictures() {
    std::vector<CPictureSize> all;
    for (int id : FaceIds())
        all.push_back({id, 60, 82});
    for (int id : {259, 263, 264, 265})
        all.push_back({id, 60, 80});
    all.push_back({163, 8, 8});
    all.push_back({128, 96, 15});
    all.push_back({268, 100, 100});
    return all;
}

// Pixels of one colour in a rectangle, grouped into 4-connected blobs.
int CountBlobs(const CBmp& bmp, int x0, int y0, int x1, int y1,
               const std::function<bool(std::uint32_t)>& inBlob) {
    std::set<std::pair<int, int>> seen;
    int blobs = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            if (!inBlob(Rgb(bmp, x, y)) || seen.count({x, y})) continue;
            ++blobs;
            std::vector<std::pair<int, int>> stack = {{x, y}};
            seen.insert({x, y});
            while (!stack.empty()) {
                auto [cx, cy] = stack.back();
                stack.pop_back();
                const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (auto& s : d) {
                    int nx = cx + s[0], ny = cy + s[1];
                    if (nx < x0 || ny < y0 || nx >= x1 || ny >= y1 || seen.count({nx, ny}) ||
                        !inBlob(Rgb(bmp, nx, ny)))
                        continue;
                    seen.insert({nx, ny});
                    stack.push_back({nx, ny});
                }
            }
        }
    return blobs;
}

int SuitOf(size_t faceIndex) {
    return static_cast<int>(faceIndex / 13);
} // 0 C, 1 H, 2 S, 3 D
bool IsRedSuit(int suit) {
    return suit == 1 || suit == 3;
}
} // namespace

TEST(BitmapFiles, EveryPictureIsAn4BitVgaBitmapOfItsSize) {
    for (const CPictureSize& p : AllPictures()) {
        SCOPED_TRACE(p.id);
        CBytes bytes = ReadBytes(ArtPath(std::to_string(p.id) + ".bmp"));
        CBmp bmp;
        ASSERT_TRUE(ReadBmp(ArtPath(std::to_string(p.id) + ".bmp"), &bmp));
        EXPECT_EQ(bmp.cbFile, bytes.size());
        EXPECT_EQ(bmp.dib.cbHeader, 40u);
        EXPECT_EQ(bmp.dib.cx, p.cx);
        EXPECT_EQ(bmp.dib.cy, p.cy);
        EXPECT_EQ(bmp.dib.nPlanes, 1u);
        EXPECT_EQ(bmp.dib.nBitCount, 4u);
        EXPECT_EQ(bmp.dib.nCompression, 0u);
        EXPECT_EQ(bmp.offBits, 14u + 40u + 64u);
        EXPECT_EQ(bmp.offBits + bmp.dib.cbImage, bytes.size());
        ASSERT_EQ(bmp.dib.palette.size(), 16u);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(bmp.dib.palette[i], kVga[i]) << "palette entry " << i;
    }
    EXPECT_TRUE(ReadBytes(ArtPath("206.bmp")).empty()) << "there is no face 206";
}

TEST(BitmapFiles, TablePatternIsCyanWhereXPlusYIsEvenAndDarkGreenElsewhere) {
    CBmp pattern = Load(163);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(Rgb(pattern, x, y), Cloth(x, y)) << x << "," << y;
}

TEST(CardFaces, AllFiftyTwoDiffer) {
    std::set<std::vector<std::vector<unsigned>>> seen;
    for (int id : FaceIds())
        EXPECT_TRUE(seen.insert(Load(id).pixels).second) << id;
}

TEST(CardFaces, RoundedCornersShowTheClothOfTheFansAndTheOutlineIsClosed) {
    // Fan cards lie at even x + y, so cloth there is cyan at even local x + y.
    const int outside[][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}};
    const int outline[][2] = {{3, 0}, {1, 1}, {2, 1}, {1, 2}, {0, 3}};
    for (int id : FaceIds()) {
        SCOPED_TRACE(id);
        CBmp face = Load(id);
        for (int corner = 0; corner < 4; ++corner) {
            auto at = [&](int x, int y) {
                int cx = corner % 2 ? 59 - x : x, cy = corner / 2 ? 81 - y : y;
                return std::make_pair(cx, cy);
            };
            for (auto& p : outside) {
                auto [x, y] = at(p[0], p[1]);
                EXPECT_EQ(Rgb(face, x, y), Cloth(x, y)) << x << "," << y;
            }
            for (auto& p : outline) {
                auto [x, y] = at(p[0], p[1]);
                EXPECT_EQ(Rgb(face, x, y), kBlackRgb) << x << "," << y;
            }
        }
        for (int x = 3; x < 57; ++x) {
            EXPECT_EQ(Rgb(face, x, 0), kBlackRgb);
            EXPECT_EQ(Rgb(face, x, 81), kBlackRgb);
        }
        for (int y = 3; y < 79; ++y) {
            EXPECT_EQ(Rgb(face, 0, y), kBlackRgb);
            EXPECT_EQ(Rgb(face, 59, y), kBlackRgb);
        }
    }
}

TEST(CardFaces, IndexStandsUpsideDownInTheOppositeCornerInTheSuitColour) {
    std::vector<int> ids = FaceIds();
    for (size_t i = 0; i < ids.size(); ++i) {
        SCOPED_TRACE(ids[i]);
        CBmp face = Load(ids[i]);
        const std::uint32_t ink = IsRedSuit(SuitOf(i)) ? kRedRgb : kBlackRgb;
        int inked = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 11; ++x) {
                EXPECT_EQ(Rgb(face, x, y), Rgb(face, 59 - x, 81 - y)) << x << "," << y;
                if (x >= 2 && y >= 3 && x < 10) {
                    std::uint32_t c = Rgb(face, x, y);
                    EXPECT_TRUE(c == kWhiteRgb || c == ink) << x << "," << y;
                    inked += c == ink;
                }
            }
        EXPECT_GT(inked, 20);
    }
}

TEST(CardFaces, EachRankHasItsOwnIndexAndEachSuitItsOwnSign) {
    auto region = [](const CBmp& face, int y0, int y1) {
        std::vector<unsigned> v;
        for (int y = y0; y < y1; ++y)
            for (int x = 1; x < 10; ++x)
                v.push_back(face.At(x, y));
        return v;
    };
    std::vector<int> ids = FaceIds();
    for (int rank = 0; rank < 13; ++rank) {
        std::set<std::vector<unsigned>> signs;
        for (int suit = 0; suit < 4; ++suit)
            signs.insert(region(Load(ids[suit * 13 + rank]), 11, 21));
        EXPECT_EQ(signs.size(), 4u) << "rank " << rank + 1;
        // Same-coloured suits share the rank letter.
        EXPECT_EQ(region(Load(ids[rank]), 3, 11), region(Load(ids[26 + rank]), 3, 11));
        EXPECT_EQ(region(Load(ids[13 + rank]), 3, 11), region(Load(ids[39 + rank]), 3, 11));
    }
    for (int suit = 0; suit < 4; ++suit) {
        std::set<std::vector<unsigned>> ranks;
        for (int rank = 0; rank < 13; ++rank)
            ranks.insert(region(Load(ids[suit * 13 + rank]), 3, 11));
        EXPECT_EQ(ranks.size(), 13u) << "suit " << suit;
    }
}

TEST(CardFaces, PipCardsShowAsManyPipsAsTheirRankInTheSuitColourOnly) {
    std::vector<int> ids = FaceIds();
    for (size_t i = 0; i < ids.size(); ++i) {
        int rank = static_cast<int>(i % 13) + 1;
        if (rank > 10 || (rank == 1 && SuitOf(i) == 2))
            continue; // figures and the lettered Ace of Spades
        SCOPED_TRACE(ids[i]);
        CBmp face = Load(ids[i]);
        const std::uint32_t ink = IsRedSuit(SuitOf(i)) ? kRedRgb : kBlackRgb;
        EXPECT_EQ(CountBlobs(face, 11, 1, 49, 81, [&](std::uint32_t c) { return c == ink; }), rank);
        const std::uint32_t other = IsRedSuit(SuitOf(i)) ? kBlackRgb : kRedRgb;
        EXPECT_EQ(CountBlobs(face, 3, 3, 57, 79, [&](std::uint32_t c) { return c == other; }), 0);
    }
}
TEST(CardFaces, CourtCardsShowColouredFiguresThatDifferByRank) {
    std::vector<int> ids = FaceIds();
    for (int suit = 0; suit < 4; ++suit) {
        std::vector<CBmp> courts;
        for (int rank = 11; rank <= 13; ++rank)
            courts.push_back(Load(ids[suit * 13 + rank - 1]));
        for (const CBmp& face : courts) {
            std::set<std::uint32_t> colours;
            for (int y = 6; y < 76; ++y)
                for (int x = 12; x < 48; ++x)
                    colours.insert(Rgb(face, x, y));
            EXPECT_GE(colours.size(), 5u) << "suit " << suit;
        }
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b) {
                int differing = 0;
                for (int y = 6; y < 41; ++y)
                    for (int x = 12; x < 48; ++x)
                        differing += courts[a].At(x, y) != courts[b].At(x, y);
                EXPECT_GT(differing, 150)
                    << "suit " << suit << " ranks " << a + 11 << ", " << b + 11;
            }
    }
}
