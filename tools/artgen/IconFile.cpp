#include "IconFile.h"

#include "BitmapFile.h"

#include <stdexcept>

namespace {
// The AND mask: 1 where the screen shows through (transparent pixels, and a cursor's
// inverting pixels).
CIndexedImage AndMask(const CIndexedImage& image, bool bCursor) {
    CIndexedImage mask(image.Width(), image.Height(), 0);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == kClear || (bCursor && image.At(x, y) == kGrey)) mask.Set(x, y, 1);
    return mask;
}

CIndexedImage IconColours(const CIndexedImage& image) {
    CIndexedImage colours = image;
    colours.Replace(kClear, kBlack);
    return colours;
}

CIndexedImage CursorBits(const CIndexedImage& image) {
    CIndexedImage bits(image.Width(), image.Height(), 0);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            std::uint8_t c = image.At(x, y);
            if (c != kBlack && c != kWhite && c != kClear && c != kGrey)
                throw std::logic_error("cursor pixel is not black, white, clear or grey");
            bits.Set(x, y, c == kWhite || c == kGrey ? 1 : 0);
        }
    return bits;
}

std::vector<std::uint8_t> ImageBody(const CIndexedImage& colours, int nBitCount,
                                    const CIndexedImage& mask) {
    std::vector<std::uint8_t> xorBits = PackRows(colours, nBitCount);
    std::vector<std::uint8_t> andBits = PackRows(mask, 1);
    CByteBuffer body;
    PutInfoHeader(body, colours.Width(), colours.Height() * 2, nBitCount, kBiRgb,
                  static_cast<std::uint32_t>(xorBits.size() + andBits.size()), 0);
    if (nBitCount == 4) {
        PutVgaPalette(body);
    } else {
        body.Put32(0x000000);
        body.Put32(0xffffff);
    }
    body.PutBytes(xorBits);
    body.PutBytes(andBits);
    return body.Bytes();
}

struct CDirEntry {
    int cx, cy, nColours, nField1, nField2;
    std::vector<std::uint8_t> body;
};

std::vector<std::uint8_t> EncodeDirectory(int nType, const std::vector<CDirEntry>& entries) {
    CByteBuffer out;
    out.Put16(0);
    out.Put16(nType);
    out.Put16(static_cast<unsigned>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const CDirEntry& e : entries) {
        out.Put8(e.cx);
        out.Put8(e.cy);
        out.Put8(e.nColours);
        out.Put8(0);
        out.Put16(e.nField1);
        out.Put16(e.nField2);
        out.Put32(static_cast<std::uint32_t>(e.body.size()));
        out.Put32(offset);
        offset += static_cast<std::uint32_t>(e.body.size());
    }
    for (const CDirEntry& e : entries)
        out.PutBytes(e.body);
    return out.Bytes();
}
} // namespace

std::vector<std::uint8_t> EncodeIcon(const std::vector<CIndexedImage>& images) {
    std::vector<CDirEntry> entries;
    entries.reserve(images.size());
    for (const CIndexedImage& image : images)
        entries.push_back(CDirEntry{image.Width(), image.Height(), 16, 1, 4,
                                    ImageBody(IconColours(image), 4, AndMask(image, false))});
    return EncodeDirectory(1, entries);
}

std::vector<std::uint8_t> EncodeCursor(const std::vector<CCursorImage>& images) {
    std::vector<CDirEntry> entries;
    entries.reserve(images.size());
    for (const CCursorImage& c : images)
        entries.push_back(CDirEntry{c.image.Width(), c.image.Height(), 2, c.xHotspot, c.yHotspot,
                                    ImageBody(CursorBits(c.image), 1, AndMask(c.image, true))});
    return EncodeDirectory(2, entries);
}
