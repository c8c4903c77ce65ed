// The headless platform's bitmap reader, on the generated art and on broken files.
#include "ArtFiles.h"
#include "BmpReader.h"
#include "HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {
struct CBmpSpec {
    int cx = 2, cy = 2, nBitCount = 4;
    std::uint32_t nCompression = 0, nClrUsed = 0;
    std::vector<std::uint32_t> palette = {0x000000, 0xff0000, 0x00ff00, 0x0000ff};
    std::vector<std::vector<unsigned>> rows; // from the top; 24-bit pixels as 0xRRGGBB
};

void Put16(CBytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(CBytes& b, std::uint32_t v) {
    Put16(b, v & 0xffff);
    Put16(b, v >> 16);
}

// Builds a .bmp file byte by byte; a negative height stores the rows top-down.
CBytes MakeBmp(const CBmpSpec& s) {
    const int rows = s.cy < 0 ? -s.cy : s.cy;
    const size_t stride = (static_cast<size_t>(s.cx) * s.nBitCount + 31) / 32 * 4;
    CBytes bits(stride * rows, 0);
    for (int y = 0; y < rows; ++y) {
        const size_t row = stride * static_cast<size_t>(s.cy < 0 ? y : rows - 1 - y);
        for (int x = 0; x < s.cx; ++x) {
            const unsigned v = s.rows[y][x];
            if (s.nBitCount == 24) {
                bits[row + 3 * x] = v & 0xff;
                bits[row + 3 * x + 1] = (v >> 8) & 0xff;
                bits[row + 3 * x + 2] = (v >> 16) & 0xff;
                continue;
            }
            const size_t bit = static_cast<size_t>(x) * s.nBitCount;
            bits[row + bit / 8] |= static_cast<std::uint8_t>(v << (8 - s.nBitCount - bit % 8));
        }
    }
    const std::uint32_t offBits = 14 + 40 + 4 * static_cast<std::uint32_t>(s.palette.size());
    CBytes b = {'B', 'M'};
    Put32(b, offBits + static_cast<std::uint32_t>(bits.size()));
    Put32(b, 0);
    Put32(b, offBits);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(s.cx));
    Put32(b, static_cast<std::uint32_t>(s.cy));
    Put16(b, 1);
    Put16(b, s.nBitCount);
    Put32(b, s.nCompression);
    Put32(b, static_cast<std::uint32_t>(bits.size()));
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, s.nClrUsed);
    Put32(b, 0);
    for (std::uint32_t c : s.palette)
        Put32(b, c);
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

CRgb RgbOf(std::uint32_t v) {
    return CRgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                static_cast<std::uint8_t>(v)};
}
} // namespace

TEST(BmpReader, DecodesPalettedAndTrueColourRowsInEitherOrder) {
    CBmpSpec s;
    s.cx = 3;
    s.nClrUsed = 4;
    s.rows = {{1, 2, 3}, {0, 3, 1}};
    for (int bits : {4, 8}) {
        for (int sign : {1, -1}) {
            s.nBitCount = bits;
            s.cy = 2 * sign;
            CRgbImage image;
            ASSERT_TRUE(DecodeBitmapFile(MakeBmp(s), &image)) << bits << " " << sign;
            ASSERT_EQ(image.Width(), 3);
            ASSERT_EQ(image.Height(), 2);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(image.At(x, y), RgbOf(s.palette[s.rows[y][x]])) << bits << " " << x;
        }
    }
    s.nBitCount = 1;
    s.cy = 2;
    s.rows = {{1, 0, 1}, {0, 1, 1}};
    s.palette = {0x000000, 0xffffff};
    s.nClrUsed = 0;
    CRgbImage mono;
    ASSERT_TRUE(DecodeBitmapFile(MakeBmp(s), &mono));
    EXPECT_EQ(mono.At(0, 0), RgbOf(0xffffff));
    EXPECT_EQ(mono.At(0, 1), RgbOf(0x000000));
    s.nBitCount = 24;
    s.palette.clear();
    s.rows = {{0x123456, 0xabcdef, 0x010203}, {0xff0000, 0x00ff00, 0x0000ff}};
    CRgbImage rgb;
    ASSERT_TRUE(DecodeBitmapFile(MakeBmp(s), &rgb));
    EXPECT_EQ(rgb.At(1, 0), RgbOf(0xabcdef));
    EXPECT_EQ(rgb.At(2, 1), RgbOf(0x0000ff));
}

TEST(BmpReader, RejectsBrokenFilesWithoutTouchingTheImage) {
    CBmpSpec good;
    good.nClrUsed = 4;
    good.rows = {{1, 2}, {3, 0}};
    const CBytes file = MakeBmp(good);
    const CRgbImage untouched(1, 1, CRgb{9, 9, 9});
    auto rejects = [&](const CBytes& bytes) {
        CRgbImage image = untouched;
        return !DecodeBitmapFile(bytes, &image) && image == untouched;
    };
    for (size_t n = 0; n < file.size(); ++n)
        EXPECT_TRUE(rejects(CBytes(file.begin(), file.begin() + n))) << "cut at " << n;

    CBytes badMagic = file;
    badMagic[0] = 'X';
    EXPECT_TRUE(rejects(badMagic));
    CBmpSpec s = good;
    s.nCompression = 2; // RLE4 is not read
    EXPECT_TRUE(rejects(MakeBmp(s)));
    s = good;
    s.nClrUsed = 2; // pixels 2 and 3 point past the palette
    EXPECT_TRUE(rejects(MakeBmp(s)));
    s = good;
    s.nClrUsed = 17;
    EXPECT_TRUE(rejects(MakeBmp(s)));
    CBytes farBits = file;
    farBits[10] = 0xff; // pixel rows said to start past the end
    EXPECT_TRUE(rejects(farBits));
    CBytes huge = file;
    huge[18] = huge[19] = huge[20] = 0xff; // a width of millions
    huge[21] = 0x00;
    EXPECT_TRUE(rejects(huge));
    CBytes zeroWidth = file;
    zeroWidth[18] = 0;
    EXPECT_TRUE(rejects(zeroWidth));
    CBytes sixteenBits = file;
    sixteenBits[28] = 16;
    EXPECT_TRUE(rejects(sixteenBits));
    CRgbImage image;
    EXPECT_FALSE(ReadBitmapFile(ArtPath("no-such-file.bmp"), &image));
}

TEST(HeadlessPlatform, LoadsTheRealArtInPlaceOfItsSyntheticPictures) {
    CHeadlessPlatform platform;
    CHeadlessPlatform synthetic;
    ASSERT_TRUE(platform.LoadBitmapsFromDirectory(QUENLOW_ART_DIR));
    for (int id : {205, 257, 163, 259, 128, 268}) {
        CBitmap real, fake;
        ASSERT_TRUE(real.LoadBitmap(platform, id)) << id;
        ASSERT_TRUE(fake.LoadBitmap(synthetic, id)) << id;
        CRgbImage file;
        ASSERT_TRUE(ReadBitmapFile(ArtPath(std::to_string(id) + ".bmp"), &file));
        EXPECT_TRUE(*platform.FindBitmap(real.GetSafeHandle()) == file) << id;
        EXPECT_EQ(real.GetWidth(), fake.GetWidth()) << id;
        EXPECT_EQ(real.GetHeight(), fake.GetHeight()) << id;
    }
    CBitmap pattern, fakePattern;
    ASSERT_TRUE(pattern.LoadBitmap(platform, 163));
    ASSERT_TRUE(fakePattern.LoadBitmap(synthetic, 163));
    EXPECT_TRUE(*platform.FindBitmap(pattern.GetSafeHandle()) ==
                *synthetic.FindBitmap(fakePattern.GetSafeHandle()))
        << "the drawn pattern is the cloth the platform stands in with";
}

TEST(HeadlessPlatform, KeepsItsSyntheticPicturesWhenTheFolderHasNone) {
    CHeadlessPlatform platform;
    EXPECT_FALSE(platform.LoadBitmapsFromDirectory(::testing::TempDir() + "no-art-here"));
    CBitmap face;
    ASSERT_TRUE(face.LoadBitmap(platform, 205));
    EXPECT_EQ(platform.FindBitmap(face.GetSafeHandle())->At(30, 40),
              CHeadlessPlatform::FaceColour(205));
}
