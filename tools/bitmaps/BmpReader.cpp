#include "BmpReader.h"

#include <fstream>
#include <iterator>

namespace {
constexpr std::int64_t kMaxSide = 16384;

std::uint32_t U16(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

struct CBmpLayout {
    std::int64_t cx = 0;
    std::int64_t cy = 0; // always positive; bTopDown says which row comes first
    bool bTopDown = false;
    unsigned nBitCount = 0;
    std::uint64_t cColours = 0;
    std::uint64_t offPalette = 0;
    std::uint64_t offBits = 0;
    std::uint64_t cbStride = 0;
};

bool ReadLayout(const std::vector<std::uint8_t>& b, CBmpLayout* p) {
    if (b.size() < 14 + 40 || b[0] != 'B' || b[1] != 'M') return false;
    const std::uint64_t cbInfo = U32(b, 14);
    if (cbInfo < 40 || 14 + cbInfo > b.size() || U16(b, 26) != 1 || U32(b, 30) != 0) return false;
    p->nBitCount = U16(b, 28);
    if (p->nBitCount != 1 && p->nBitCount != 4 && p->nBitCount != 8 && p->nBitCount != 24)
        return false;
    p->cx = static_cast<std::int32_t>(U32(b, 18));
    std::int64_t cy = static_cast<std::int32_t>(U32(b, 22));
    p->bTopDown = cy < 0;
    p->cy = cy < 0 ? -cy : cy;
    if (p->cx <= 0 || p->cy <= 0 || p->cx > kMaxSide || p->cy > kMaxSide) return false;
    const std::uint64_t cMax = p->nBitCount <= 8 ? (1u << p->nBitCount) : 0;
    p->cColours = p->nBitCount <= 8 && U32(b, 46) != 0 ? U32(b, 46) : cMax;
    if (p->cColours > cMax) return false;
    p->offPalette = 14 + cbInfo;
    p->offBits = U32(b, 10);
    p->cbStride = (static_cast<std::uint64_t>(p->cx) * p->nBitCount + 31) / 32 * 4;
    return p->offPalette + 4 * p->cColours <= b.size() &&
           p->offBits + p->cbStride * static_cast<std::uint64_t>(p->cy) <= b.size();
}

bool ReadPixel(const std::vector<std::uint8_t>& b, const CBmpLayout& l, const std::uint8_t* row,
               std::int64_t x, CRgb* pColour) {
    if (l.nBitCount == 24) {
        const std::uint8_t* p = row + 3 * x;
        *pColour = CRgb{p[2], p[1], p[0]};
        return true;
    }
    const std::uint64_t bit = static_cast<std::uint64_t>(x) * l.nBitCount;
    const unsigned shift = 8 - l.nBitCount - bit % 8;
    const unsigned index = (row[bit / 8] >> shift) & ((1u << l.nBitCount) - 1);
    if (index >= l.cColours) return false;
    const std::uint8_t* q = &b[l.offPalette + std::size_t{4} * index];
    *pColour = CRgb{q[2], q[1], q[0]};
    return true;
}
} // namespace

bool DecodeBitmapFile(const std::vector<std::uint8_t>& bytes, CRgbImage* pImage) {
    CBmpLayout l;
    if (!ReadLayout(bytes, &l)) return false;
    CRgbImage image(static_cast<int>(l.cx), static_cast<int>(l.cy));
    for (std::int64_t y = 0; y < l.cy; ++y) {
        const std::int64_t stored = l.bTopDown ? y : l.cy - 1 - y;
        const std::uint8_t* row =
            &bytes[l.offBits + l.cbStride * static_cast<std::uint64_t>(stored)];
        for (std::int64_t x = 0; x < l.cx; ++x) {
            CRgb colour;
            if (!ReadPixel(bytes, l, row, x, &colour)) return false;
            image.Set(static_cast<int>(x), static_cast<int>(y), colour);
        }
    }
    *pImage = std::move(image);
    return true;
}

bool ReadBitmapFile(const std::string& path, CRgbImage* pImage) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    return !in.bad() && DecodeBitmapFile(bytes, pImage);
}
