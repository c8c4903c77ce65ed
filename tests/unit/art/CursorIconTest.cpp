// Cursor and icon files as the resource compiler reads them.
#include "ArtFiles.h"

#include <gtest/gtest.h>

namespace {
struct CEntry {
    int cx, cy, nColours, nField1, nField2; // planes and bit count, or the hot spot
    CBytes bytes;
    CDib dib;
    size_t offXor = 0, offAnd = 0;
    unsigned Xor(int x, int y) const { return DibPixel(bytes, dib, offXor, cy, x, y); }
    bool Transparent(int x, int y) const {
        CDib mask = dib;
        mask.nBitCount = 1;
        return DibPixel(bytes, mask, offAnd, cy, x, y) != 0;
    }
};

// The directory of an .ico (type 1) or .cur (type 2) file; empty when it is malformed.
std::vector<CEntry> ReadDirectory(const std::string& name, unsigned nType) {
    CBytes b = ReadBytes(ArtPath(name));
    std::vector<CEntry> entries;
    if (b.size() < 6 || Le16(b, 0) != 0 || Le16(b, 2) != nType) return entries;
    for (unsigned i = 0; i < Le16(b, 4); ++i) {
        size_t at = 6 + 16 * i;
        CEntry e{b.at(at) ? b[at] : 256,
                 b.at(at + 1) ? b[at + 1] : 256,
                 b.at(at + 2),
                 static_cast<int>(Le16(b, at + 4)),
                 static_cast<int>(Le16(b, at + 6)),
                 b,
                 {}};
        const std::uint32_t size = Le32(b, at + 8), offset = Le32(b, at + 12);
        if (offset + size > b.size() || !ReadDib(b, offset, &e.dib)) return {};
        e.offXor = e.dib.offBits;
        e.offAnd = e.offXor + (static_cast<size_t>(e.cx) * e.dib.nBitCount + 31) / 32 * 4 * e.cy;
        if (e.offAnd + (static_cast<size_t>(e.cx) + 31) / 32 * 4 * e.cy != offset + size) return {};
        entries.push_back(e);
    }
    return entries;
}

void ExpectMonochromeCursor(const CEntry& e, int cx, int hotX, int hotY) {
    EXPECT_EQ(e.cx, cx);
    EXPECT_EQ(e.cy, cx);
    EXPECT_EQ(e.nField1, hotX);
    EXPECT_EQ(e.nField2, hotY);
    EXPECT_EQ(e.dib.cx, cx);
    EXPECT_EQ(e.dib.cy, 2 * cx) << "colour bits and mask";
    EXPECT_EQ(e.dib.nBitCount, 1u);
    ASSERT_EQ(e.dib.palette.size(), 2u);
    EXPECT_EQ(e.dib.palette[0], 0x000000u);
    EXPECT_EQ(e.dib.palette[1], 0xffffffu);
    EXPECT_FALSE(e.Transparent(hotX, hotY)) << "the hot spot lies on the drawing";
    int black = 0, white = 0, clear = 0;
    for (int y = 0; y < cx; ++y)
        for (int x = 0; x < cx; ++x) {
            if (e.Transparent(x, y))
                clear += e.Xor(x, y) == 0;
            else
                (e.Xor(x, y) ? white : black)++;
        }
    EXPECT_GT(black, cx) << "an outline";
    EXPECT_GT(white, cx) << "a filling";
    EXPECT_GT(clear, cx * cx / 2) << "the rest shows the screen";
}

void ExpectSixteenColourIcon(const CEntry& e, int cx) {
    EXPECT_EQ(e.cx, cx);
    EXPECT_EQ(e.cy, cx);
    EXPECT_EQ(e.nColours, 16);
    EXPECT_EQ(e.nField1, 1);
    EXPECT_EQ(e.nField2, 4);
    EXPECT_EQ(e.dib.cy, 2 * cx);
    EXPECT_EQ(e.dib.nBitCount, 4u);
    ASSERT_EQ(e.dib.palette.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(e.dib.palette[i], kVga[i]);
    int opaque = 0;
    for (int y = 0; y < cx; ++y)
        for (int x = 0; x < cx; ++x) {
            if (e.Transparent(x, y))
                EXPECT_EQ(e.Xor(x, y), 0u) << "transparent pixels are black in the colour bits";
            else
                ++opaque;
        }
    EXPECT_GT(opaque, cx * cx / 4);
    EXPECT_TRUE(e.Transparent(0, 0) || e.Transparent(cx - 1, 0)) << "the icon is not a square";
}
} // namespace

TEST(Cursors, HandsAreMonochrome32By32WithHotSpot16And12) {
    std::vector<CEntry> open = ReadDirectory("263.cur", 2);
    std::vector<CEntry> closed = ReadDirectory("264.cur", 2);
    ASSERT_EQ(open.size(), 1u);
    ASSERT_EQ(closed.size(), 1u);
    ExpectMonochromeCursor(open[0], 32, 16, 12);
    ExpectMonochromeCursor(closed[0], 32, 16, 12);
    EXPECT_NE(open[0].bytes, closed[0].bytes);
}

TEST(Cursors, ContextHelpHasALargeAndASmallImage) {
    std::vector<CEntry> help = ReadDirectory("30977.cur", 2);
    ASSERT_EQ(help.size(), 2u);
    ExpectMonochromeCursor(help[0], 32, 2, 2);
    ExpectMonochromeCursor(help[1], 16, 1, 1);
}

TEST(Icons, ProgramAndDocumentIconsHaveA32And16PixelImage) {
    for (const char* name : {"128.ico", "129.ico"}) {
        SCOPED_TRACE(name);
        std::vector<CEntry> icon = ReadDirectory(name, 1);
        ASSERT_EQ(icon.size(), 2u);
        ExpectSixteenColourIcon(icon[0], 32);
        ExpectSixteenColourIcon(icon[1], 16);
    }
    EXPECT_NE(ReadBytes(ArtPath("128.ico")), ReadBytes(ArtPath("129.ico")));
}

TEST(Icons, SetupIconIsOne32PixelImage) {
    std::vector<CEntry> icon = ReadDirectory("setup.ico", 1);
    ASSERT_EQ(icon.size(), 1u);
    ExpectSixteenColourIcon(icon[0], 32);
}
