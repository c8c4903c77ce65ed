#include "PeBitmaps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

void Put16(std::vector<std::uint8_t>& d, std::uint32_t n) {
    d.push_back(n & 0xff);
    d.push_back((n >> 8) & 0xff);
}

void Put32(std::vector<std::uint8_t>& d, std::uint32_t n) {
    Put16(d, n & 0xffff);
    Put16(d, n >> 16);
}

std::vector<std::uint8_t> Header(int cx, int cy, int nBits, std::uint32_t nCompression = 0) {
    std::vector<std::uint8_t> d;
    Put32(d, 40);
    Put32(d, static_cast<std::uint32_t>(cx));
    Put32(d, static_cast<std::uint32_t>(cy));
    Put16(d, 1);
    Put16(d, static_cast<std::uint32_t>(nBits));
    Put32(d, nCompression);
    for (int i = 0; i < 5; ++i)
        Put32(d, 0); // size, resolution, colours used (all), important
    return d;
}

TEST(DecodeDib, FourBitsBottomUpWithPalette) {
    // 3 by 2: the first row in the data is the bottom row; each row pads to 4 bytes.
    std::vector<std::uint8_t> dib = Header(3, 2, 4);
    for (int i = 0; i < 16; ++i) {
        dib.push_back(static_cast<std::uint8_t>(i));     // blue
        dib.push_back(static_cast<std::uint8_t>(i * 2)); // green
        dib.push_back(static_cast<std::uint8_t>(i * 3)); // red
        dib.push_back(0);
    }
    for (std::uint8_t b : {0x12, 0x30, 0x00, 0x00, 0xAB, 0xC0, 0x00, 0x00})
        dib.push_back(b);
    CRgbImage image;
    ASSERT_TRUE(DecodeDib(dib, image));
    ASSERT_EQ(3, image.Width());
    ASSERT_EQ(2, image.Height());
    EXPECT_EQ((CRgb{30, 20, 10}), image.At(0, 0)); // index 10, top row
    EXPECT_EQ((CRgb{33, 22, 11}), image.At(1, 0));
    EXPECT_EQ((CRgb{36, 24, 12}), image.At(2, 0));
    EXPECT_EQ((CRgb{3, 2, 1}), image.At(0, 1)); // index 1, bottom row
    EXPECT_EQ((CRgb{6, 4, 2}), image.At(1, 1));
    EXPECT_EQ((CRgb{9, 6, 3}), image.At(2, 1));
}

TEST(DecodeDib, TwentyFourBitsTopDown) {
    std::vector<std::uint8_t> dib = Header(1, -2, 24);
    for (std::uint8_t b : {1, 2, 3, 0, 4, 5, 6, 0})
        dib.push_back(b);
    CRgbImage image;
    ASSERT_TRUE(DecodeDib(dib, image));
    EXPECT_EQ((CRgb{3, 2, 1}), image.At(0, 0));
    EXPECT_EQ((CRgb{6, 5, 4}), image.At(0, 1));
}

TEST(DecodeDib, RefusesWhatItCannotRead) {
    CRgbImage image;
    std::vector<std::uint8_t> compressed = Header(2, 2, 8, 1);
    compressed.resize(compressed.size() + 1024 + 8);
    EXPECT_FALSE(DecodeDib(compressed, image));
    std::vector<std::uint8_t> truncated = Header(4, 4, 24);
    truncated.resize(truncated.size() + 10);
    EXPECT_FALSE(DecodeDib(truncated, image));
    EXPECT_FALSE(DecodeDib({}, image));
}

void Set32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t n) {
    for (int i = 0; i < 4; ++i)
        d[at + i] = static_cast<std::uint8_t>(n >> (8 * i));
}

// A program whose one section holds one bitmap resource (id 7): a 1x1 red 24-bit picture.
// nMagic 0x10b is a 32-bit program's optional header, 0x20b a 64-bit one's (16 bytes longer
// before the data directories).
std::vector<std::uint8_t> ProgramWithBitmap(std::uint32_t nMagic) {
    const std::uint32_t nDirectories = nMagic == 0x20b ? 112 : 96;
    const std::uint32_t nOptionalSize = nDirectories + 16 * 8;
    const std::uint32_t nPe = 0x40, nOptional = nPe + 24, nTable = nOptional + nOptionalSize;
    const std::uint32_t nRaw = 0x200, nRva = 0x1000;
    std::vector<std::uint8_t> d(nRaw);
    d[0] = 'M', d[1] = 'Z';
    Set32(d, 0x3c, nPe);
    Set32(d, nPe, 0x4550);
    d[nPe + 6] = 1; // one section
    d[nPe + 20] = static_cast<std::uint8_t>(nOptionalSize);
    d[nOptional] = nMagic & 0xff, d[nOptional + 1] = nMagic >> 8;
    Set32(d, nOptional + nDirectories + 2 * 8, nRva); // the resource directory
    Set32(d, nTable + 8, 0x100);                      // virtual size
    Set32(d, nTable + 12, nRva);
    Set32(d, nTable + 20, nRaw);
    // Type 2 -> id 7 -> language 0x409 -> the data entry, each a directory of one entry.
    std::vector<std::uint8_t> r;
    for (std::uint32_t nLevel = 0; nLevel < 3; ++nLevel) {
        for (int i = 0; i < 3; ++i)
            Put32(r, 0);
        Put16(r, 0), Put16(r, 1);
        Put32(r, nLevel == 0 ? 2 : nLevel == 1 ? 7 : 0x409);
        Put32(r, nLevel < 2 ? 0x80000000u | (24 * (nLevel + 1)) : 72);
    }
    std::vector<std::uint8_t> dib = Header(1, 1, 24);
    dib.insert(dib.end(), {0, 0, 255, 0});
    Put32(r, nRva + 88), Put32(r, static_cast<std::uint32_t>(dib.size()));
    Put32(r, 0), Put32(r, 0);
    r.insert(r.end(), dib.begin(), dib.end());
    d.insert(d.end(), r.begin(), r.end());
    return d;
}

TEST(ReadBitmapResources, ReadsThirtyTwoAndSixtyFourBitPrograms) {
    for (std::uint32_t nMagic : {0x10bu, 0x20bu}) {
        std::string path = ::testing::TempDir() + "program.exe";
        std::vector<std::uint8_t> program = ProgramWithBitmap(nMagic);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(program.data()),
                   static_cast<std::streamsize>(program.size()));
        std::map<int, CRgbImage> bitmaps;
        std::string error;
        ASSERT_TRUE(ReadBitmapResources(path, bitmaps, error)) << std::hex << nMagic << error;
        ASSERT_EQ(1u, bitmaps.count(7));
        EXPECT_EQ(255, bitmaps[7].At(0, 0).r);
        EXPECT_EQ(0, bitmaps[7].At(0, 0).g);
        std::remove(path.c_str());
    }
}

TEST(ReadBitmapResources, RefusesFilesThatAreNoWindowsProgram) {
    std::map<int, CRgbImage> bitmaps;
    std::string error;
    EXPECT_FALSE(ReadBitmapResources("/nonexistent/QUENLOW.EXE", bitmaps, error));
    EXPECT_FALSE(error.empty());

    std::string path = ::testing::TempDir() + "not-a-program.exe";
    std::ofstream(path) << "MZ but nothing more";
    error.clear();
    EXPECT_FALSE(ReadBitmapResources(path, bitmaps, error));
    EXPECT_EQ("not a Windows program", error);
    std::remove(path.c_str());
}

} // namespace
