#include "PngFile.h"

#include <array>
#include <stdexcept>

namespace {
class CBitWriter {
public:
    // Extra bits and block headers go least significant bit first.
    void PutBits(std::uint32_t value, int nBits) {
        for (int i = 0; i < nBits; ++i)
            PutBit((value >> i) & 1);
    }
    // Huffman codes go most significant bit first.
    void PutCode(std::uint32_t code, int nBits) {
        for (int i = nBits - 1; i >= 0; --i)
            PutBit((code >> i) & 1);
    }
    std::vector<std::uint8_t> Finish() {
        if (m_nBits > 0) m_bytes.push_back(m_nCurrent);
        m_nBits = 0;
        return m_bytes;
    }

private:
    void PutBit(unsigned bit) {
        m_nCurrent |= static_cast<std::uint8_t>(bit << m_nBits);
        if (++m_nBits == 8) {
            m_bytes.push_back(m_nCurrent);
            m_nCurrent = 0;
            m_nBits = 0;
        }
    }
    std::vector<std::uint8_t> m_bytes;
    std::uint8_t m_nCurrent = 0;
    int m_nBits = 0;
};

void PutLiteral(CBitWriter& out, unsigned symbol) {
    if (symbol < 144)
        out.PutCode(0x30 + symbol, 8);
    else if (symbol < 256)
        out.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        out.PutCode(symbol - 256, 7);
    else
        out.PutCode(0xc0 + symbol - 280, 8);
}

void PutMatch(CBitWriter& out, int length, int distance) {
    static const int kLenBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                   31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int kLenExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static const int kDistBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    static const int kDistExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                     6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    int l = 28;
    while (kLenBase[l] > length)
        --l;
    PutLiteral(out, 257 + l);
    out.PutBits(length - kLenBase[l], kLenExtra[l]);
    int d = 29;
    while (kDistBase[d] > distance)
        --d;
    out.PutCode(d, 5);
    out.PutBits(distance - kDistBase[d], kDistExtra[d]);
}

constexpr int kWindow = 32768;
constexpr int kMaxMatch = 258;
constexpr int kMaxChain = 48;
constexpr int kHashSize = 1 << 15;

unsigned Hash3(const std::vector<std::uint8_t>& d, size_t i) {
    return ((d[i] << 10) ^ (d[i + 1] << 5) ^ d[i + 2]) & (kHashSize - 1);
}

// Greedy LZ77 over hash chains of three-byte prefixes, coded in one fixed-Huffman block.
std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& d) {
    CBitWriter out;
    out.PutBits(1, 1); // final block
    out.PutBits(1, 2); // fixed Huffman codes
    std::vector<int> head(kHashSize, -1), prev(d.size(), -1);
    auto insert = [&](size_t i) {
        if (i + 2 < d.size()) {
            unsigned h = Hash3(d, i);
            prev[i] = head[h];
            head[h] = static_cast<int>(i);
        }
    };
    size_t i = 0;
    while (i < d.size()) {
        int bestLen = 0, bestDist = 0;
        if (i + 2 < d.size()) {
            int cand = head[Hash3(d, i)];
            for (int chain = 0; cand >= 0 && chain < kMaxChain; ++chain, cand = prev[cand]) {
                if (static_cast<int>(i) - cand > kWindow) break;
                int len = 0;
                while (len < kMaxMatch && i + len < d.size() && d[cand + len] == d[i + len])
                    ++len;
                if (len > bestLen) {
                    bestLen = len;
                    bestDist = static_cast<int>(i) - cand;
                }
            }
        }
        if (bestLen >= 3) {
            PutMatch(out, bestLen, bestDist);
            for (int k = 0; k < bestLen; ++k)
                insert(i + k);
            i += bestLen;
        } else {
            PutLiteral(out, d[i]);
            insert(i);
            ++i;
        }
    }
    PutLiteral(out, 256);
    return out.Finish();
}

std::uint32_t Crc32(const std::uint8_t* p, size_t n) {
    static const std::array<std::uint32_t, 256> kTable = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t k = 0; k < 256; ++k) {
            std::uint32_t c = k;
            for (int j = 0; j < 8; ++j)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[k] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < n; ++i)
        c = kTable[(c ^ p[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutPngChunk(std::vector<std::uint8_t>& out, const char* type,
                 const std::vector<std::uint8_t>& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian32(out, Crc32(&out[start], out.size() - start));
}
} // namespace

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::vector<std::uint8_t> body = Deflate(data);
    out.insert(out.end(), body.begin(), body.end());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian32(out, (b << 16) | a);
    return out;
}

std::vector<std::uint8_t> EncodePng(int cx, int cy, const std::vector<std::uint8_t>& rgb) {
    if (cx <= 0 || cy <= 0 || rgb.size() != static_cast<size_t>(cx) * cy * 3)
        throw std::invalid_argument("PNG: pixel count does not match the size");
    std::vector<std::uint8_t> raw;
    raw.reserve(rgb.size() + cy);
    for (int y = 0; y < cy; ++y) {
        raw.push_back(0); // no filter
        auto row = rgb.begin() + static_cast<std::ptrdiff_t>(y) * cx * 3;
        raw.insert(raw.end(), row, row + cx * 3);
    }
    std::vector<std::uint8_t> ihdr;
    PutBigEndian32(ihdr, static_cast<std::uint32_t>(cx));
    PutBigEndian32(ihdr, static_cast<std::uint32_t>(cy));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, no filter, no interlace
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutPngChunk(out, "IHDR", ihdr);
    PutPngChunk(out, "IDAT", ZlibCompress(raw));
    PutPngChunk(out, "IEND", {});
    return out;
}
