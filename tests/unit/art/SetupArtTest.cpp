// The setup program's picture, icon and animation.
#include "ArtFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace {
const CChunk* Find(const std::vector<CChunk>& chunks, const std::string& id, const CBytes& b,
                   const std::string& listType = "") {
    for (const CChunk& c : chunks)
        if (c.id == id && (listType.empty() || FourCC(b, c.offData) == listType)) return &c;
    return nullptr;
}
} // namespace

TEST(SetupPicture, IsABannerThatFitsLeftOfTheTextsAndAboveTheIcon) {
    CBmp bmp;
    ASSERT_TRUE(ReadBmp(ArtPath("setup.bmp"), &bmp));
    EXPECT_EQ(bmp.dib.nBitCount, 4u);
    EXPECT_EQ(bmp.dib.nCompression, 0u);
    ASSERT_EQ(bmp.dib.palette.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(bmp.dib.palette[i], kVga[i]);
    // Texts start 96 dialog units in (144 pixels), the Welcome page's icon 84 units down.
    EXPECT_LE(bmp.dib.cx, 136);
    EXPECT_LE(bmp.dib.cy, 134);
    EXPECT_GT(bmp.dib.cy, bmp.dib.cx) << "a tall banner";
    EXPECT_GE(bmp.dib.cy, 110);
}

TEST(SetupAnimation, IsALoopingRle8ClipTheAnimateControlPlays) {
    CBytes b = ReadBytes(ArtPath("setup.avi"));
    ASSERT_EQ(FourCC(b, 0), "RIFF");
    ASSERT_EQ(FourCC(b, 8), "AVI ");
    ASSERT_EQ(Le32(b, 4) + 8, b.size());
    std::vector<CChunk> top = ReadChunks(b, 12, b.size());
    const CChunk* hdrl = Find(top, "LIST", b, "hdrl");
    const CChunk* movi = Find(top, "LIST", b, "movi");
    const CChunk* idx1 = Find(top, "idx1", b);
    ASSERT_TRUE(hdrl && movi && idx1);

    std::vector<CChunk> head = ReadChunks(b, hdrl->offData + 4, hdrl->offData + hdrl->cbData);
    const CChunk* avih = Find(head, "avih", b);
    const CChunk* strl = Find(head, "LIST", b, "strl");
    ASSERT_TRUE(avih && strl);
    const std::uint32_t frames = Le32(b, avih->offData + 16);
    const int cx = static_cast<int>(Le32(b, avih->offData + 32));
    const int cy = static_cast<int>(Le32(b, avih->offData + 36));
    EXPECT_EQ(Le32(b, avih->offData + 24), 1u) << "video only";
    EXPECT_GE(frames, 8u);
    // The progress dialog's animation area is 236 by 44 dialog units (354 by 71 pixels).
    EXPECT_LE(cx, 354);
    EXPECT_LE(cy, 71);

    std::vector<CChunk> stream = ReadChunks(b, strl->offData + 4, strl->offData + strl->cbData);
    const CChunk* strh = Find(stream, "strh", b);
    const CChunk* strf = Find(stream, "strf", b);
    ASSERT_TRUE(strh && strf);
    EXPECT_EQ(FourCC(b, strh->offData), "vids");
    std::string handler = FourCC(b, strh->offData + 4);
    EXPECT_TRUE(handler == std::string(4, '\0') || handler == "RLE ");
    CDib format;
    ASSERT_TRUE(ReadDib(b, strf->offData, &format));
    EXPECT_EQ(format.cx, cx);
    EXPECT_EQ(format.cy, cy);
    EXPECT_EQ(format.nBitCount, 8u);
    EXPECT_EQ(format.nCompression, 1u) << "RLE8";
    ASSERT_EQ(format.palette.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(format.palette[i], kVga[i]);

    std::vector<CChunk> pictures = ReadChunks(b, movi->offData + 4, movi->offData + movi->cbData);
    ASSERT_EQ(pictures.size(), frames);
    ASSERT_EQ(idx1->cbData, 16 * frames);
    std::vector<std::vector<std::vector<unsigned>>> decoded(frames);
    for (std::uint32_t f = 0; f < frames; ++f) {
        const size_t entry = idx1->offData + 16 * f;
        EXPECT_EQ(FourCC(b, entry), "00dc");
        EXPECT_EQ(Le32(b, entry + 4) & 0x10, 0x10u) << "key frame " << f;
        EXPECT_EQ(movi->offData + Le32(b, entry + 8), pictures[f].offData - 8) << f;
        EXPECT_EQ(Le32(b, entry + 12), pictures[f].cbData);
        ASSERT_TRUE(DecodeRle8(b, pictures[f].offData, pictures[f].cbData, cx, cy, &decoded[f]))
            << "frame " << f;
        for (const auto& row : decoded[f])
            for (unsigned v : row)
                ASSERT_LT(v, 16u);
        EXPECT_EQ(decoded[f][0][0], 7u) << "dialog grey, the transparent colour";
    }
    // Every step changes the picture about as much, the step from the last frame back to
    // the first included, so the loop runs smoothly.
    std::vector<int> changes;
    for (std::uint32_t f = 0; f < frames; ++f) {
        int changed = 0;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                changed += decoded[f][y][x] != decoded[(f + 1) % frames][y][x];
        changes.push_back(changed);
    }
    const int least = *std::min_element(changes.begin(), changes.end());
    const int most = *std::max_element(changes.begin(), changes.end());
    EXPECT_GT(least, 0);
    EXPECT_LE(most, 3 * least);
}
