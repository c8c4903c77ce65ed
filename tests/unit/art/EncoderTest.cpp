// The generator's own encoders on awkward inputs: deflate inside PNG (checked by an outside
// decoder), RLE8 runs and literals, and the masks of icons.
#include "ArtFiles.h"
#include "AviFile.h"
#include "IconFile.h"
#include "PngFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {
// Decodes the PNG with ImageMagick into raw RGB bytes; empty when that fails.
CBytes DecodeWithImageMagick(const CBytes& png, const std::string& stem) {
    const std::string dir = ::testing::TempDir();
    const std::string in = dir + stem + ".png", out = dir + stem + ".rgb";
    std::FILE* f = std::fopen(in.c_str(), "wb");
    if (f == nullptr) return {};
    std::fwrite(png.data(), 1, png.size(), f);
    std::fclose(f);
    const std::string command = std::string(QUENLOW_CONVERT) + " " + in + " -depth 8 rgb:" + out;
    if (std::system(command.c_str()) != 0) return {};
    return ReadBytes(out);
}

CBytes Pattern(int cx, int cy) {
    CBytes rgb;
    std::uint32_t seed = 12345;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            seed = seed * 1103515245u + 12345u;
            // Rows repeat every 31 rows, far back in the window; a band of noise defeats
            // matching; elsewhere long runs.
            const int ry = y % 31;
            std::uint8_t noise = static_cast<std::uint8_t>(seed >> 16);
            rgb.push_back(x < 40 ? noise : static_cast<std::uint8_t>(ry * 8));
            rgb.push_back(static_cast<std::uint8_t>(x > 200 ? 255 : x));
            rgb.push_back(static_cast<std::uint8_t>((x / 7 + ry) % 3 * 100));
        }
    return rgb;
}
} // namespace

TEST(PngEncoder, AnOutsideDecoderGetsBackEveryPixel) {
    if (std::string(QUENLOW_CONVERT).empty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    for (auto [cx, cy] : {std::pair<int, int>{1, 1}, {37, 23}, {300, 160}}) {
        CBytes rgb = Pattern(cx, cy);
        CBytes png = EncodePng(cx, cy, rgb);
        EXPECT_EQ(DecodeWithImageMagick(png, "png" + std::to_string(cx)), rgb) << cx << "x" << cy;
        if (cx == 300) {
            EXPECT_LT(png.size(), rgb.size() / 2) << "repeated rows compress";
        }
    }
}

TEST(PngEncoder, RejectsAPixelCountThatDoesNotMatchTheSize) {
    EXPECT_THROW(EncodePng(4, 4, CBytes(4 * 4 * 3 - 1)), std::invalid_argument);
    EXPECT_THROW(EncodePng(0, 4, CBytes()), std::invalid_argument);
}

TEST(Rle8Encoder, RunsAndLiteralsOfEveryLengthDecodeExactly) {
    CIndexedImage frame(300, 6, kSilver);
    for (int x = 0; x < 300; ++x) {
        frame.Set(x, 1, static_cast<std::uint8_t>(x % 16));       // all literals
        frame.Set(x, 2, static_cast<std::uint8_t>((x / 2) % 16)); // pairs
        frame.Set(x, 3, x < 3 ? kRed : x < 5 ? kBlue : kGreen);   // a short run, a pair, a long run
        frame.Set(x, 4, static_cast<std::uint8_t>(x % 5 == 0 ? kBlack : kWhite));
    }
    frame.Set(299, 5, kRed); // 299 alike then one different
    CBytes body = EncodeRle8(frame);
    std::vector<std::vector<unsigned>> rows;
    ASSERT_TRUE(DecodeRle8(body, 0, body.size(), 300, 6, &rows));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(rows[y][x], frame.At(x, y)) << x << "," << y;
}

TEST(IconEncoder, GreyPixelsStayOpaqueInIconsButInvertInCursors) {
    CIndexedImage image(32, 32, kClear);
    image.FillRect(0, 0, 8, 8, kGrey);
    image.FillRect(8, 0, 8, 8, kWhite);
    auto andBit = [](const CBytes& file, int x, int y) {
        CDib dib;
        EXPECT_TRUE(ReadDib(file, Le32(file, 18), &dib));
        const size_t offAnd = dib.offBits + (32 * dib.nBitCount + 31) / 32 * 4 * 32;
        dib.nBitCount = 1;
        return DibPixel(file, dib, offAnd, 32, x, y);
    };
    CBytes icon = EncodeIcon({image});
    EXPECT_EQ(andBit(icon, 2, 2), 0u) << "grey is a colour of the icon";
    EXPECT_EQ(andBit(icon, 20, 20), 1u);
    CBytes cursor = EncodeCursor({CCursorImage{image, 0, 0}});
    EXPECT_EQ(andBit(cursor, 2, 2), 1u) << "grey inverts the screen under a cursor";
    EXPECT_EQ(andBit(cursor, 10, 2), 0u);
    image.Set(30, 30, kRed);
    EXPECT_THROW(EncodeCursor({CCursorImage{image, 0, 0}}), std::logic_error);
}
