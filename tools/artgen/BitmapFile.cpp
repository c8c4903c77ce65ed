#include "BitmapFile.h"

#include <cstdio>
#include <stdexcept>

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) throw std::runtime_error("cannot create " + path);
    size_t n = std::fwrite(bytes.data(), 1, bytes.size(), f);
    if (std::fclose(f) != 0 || n != bytes.size()) throw std::runtime_error("cannot write " + path);
}

void PutInfoHeader(CByteBuffer& out, int cx, int cy, int nBitCount, std::uint32_t nCompression,
                   std::uint32_t cbImage, std::uint32_t nClrUsed) {
    out.Put32(40);
    out.Put32(static_cast<std::uint32_t>(cx));
    out.Put32(static_cast<std::uint32_t>(cy));
    out.Put16(1);
    out.Put16(nBitCount);
    out.Put32(nCompression);
    out.Put32(cbImage);
    out.Put32(0); // no preferred resolution
    out.Put32(0);
    out.Put32(nClrUsed);
    out.Put32(0);
}

void PutVgaPalette(CByteBuffer& out) {
    for (const CVgaRgb& c : kVgaPalette) {
        out.Put8(c.b);
        out.Put8(c.g);
        out.Put8(c.r);
        out.Put8(0);
    }
}

int RowBytes(int cx, int nBitCount) {
    return (cx * nBitCount + 31) / 32 * 4;
}

std::vector<std::uint8_t> PackRows(const CIndexedImage& image, int nBitCount) {
    const int stride = RowBytes(image.Width(), nBitCount);
    std::vector<std::uint8_t> bits(static_cast<size_t>(stride) * image.Height(), 0);
    for (int y = 0; y < image.Height(); ++y) {
        std::uint8_t* row = &bits[static_cast<size_t>(image.Height() - 1 - y) * stride];
        for (int x = 0; x < image.Width(); ++x) {
            unsigned v = image.At(x, y);
            if (v == kClear) throw std::logic_error("transparent pixel left in a picture");
            int bit = x * nBitCount;
            int shift = 8 - nBitCount - bit % 8;
            row[bit / 8] |= static_cast<std::uint8_t>((v & ((1u << nBitCount) - 1)) << shift);
        }
    }
    return bits;
}

std::vector<std::uint8_t> EncodeBmp4(const CIndexedImage& image) {
    std::vector<std::uint8_t> bits = PackRows(image, 4);
    const std::uint32_t offBits = 14 + 40 + 16 * 4;
    CByteBuffer out;
    out.Put8('B');
    out.Put8('M');
    out.Put32(offBits + static_cast<std::uint32_t>(bits.size()));
    out.Put32(0);
    out.Put32(offBits);
    PutInfoHeader(out, image.Width(), image.Height(), 4, kBiRgb,
                  static_cast<std::uint32_t>(bits.size()), 16);
    PutVgaPalette(out);
    out.PutBytes(bits);
    return out.Bytes();
}
