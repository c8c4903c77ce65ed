#include "ArtFiles.h"

#include <fstream>
#include <iterator>

const std::uint32_t kVga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                0x008080, 0xc0c0c0, 0x808080, 0xff0000, 0x00ff00, 0xffff00,
                                0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};

std::string ArtPath(const std::string& name) {
    return std::string(QUENLOW_ART_DIR) + "/" + name;
}

CBytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return CBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::uint32_t Le16(const CBytes& b, size_t at) {
    return at + 2 <= b.size() ? static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8)) : 0;
}

std::uint32_t Le32(const CBytes& b, size_t at) {
    return at + 4 <= b.size() ? Le16(b, at) | (Le16(b, at + 2) << 16) : 0;
}

std::string FourCC(const CBytes& b, size_t at) {
    return at + 4 <= b.size() ? std::string(b.begin() + at, b.begin() + at + 4) : std::string();
}

bool ReadDib(const CBytes& b, size_t at, CDib* p) {
    if (at + 40 > b.size()) return false;
    p->cbHeader = Le32(b, at);
    p->cx = static_cast<std::int32_t>(Le32(b, at + 4));
    p->cy = static_cast<std::int32_t>(Le32(b, at + 8));
    p->nPlanes = Le16(b, at + 12);
    p->nBitCount = Le16(b, at + 14);
    p->nCompression = Le32(b, at + 16);
    p->cbImage = Le32(b, at + 20);
    p->nClrUsed = Le32(b, at + 32);
    size_t cColours = p->nBitCount > 8 ? 0 : p->nClrUsed ? p->nClrUsed : (1u << p->nBitCount);
    size_t offPalette = at + p->cbHeader;
    if (offPalette + 4 * cColours > b.size()) return false;
    p->palette.clear();
    for (size_t i = 0; i < cColours; ++i)
        p->palette.push_back(Le32(b, offPalette + 4 * i) & 0xffffff);
    p->offBits = offPalette + 4 * cColours;
    return true;
}

unsigned DibPixel(const CBytes& b, const CDib& dib, size_t offRows, int nHeight, int x, int y) {
    const size_t stride = (static_cast<size_t>(dib.cx) * dib.nBitCount + 31) / 32 * 4;
    const size_t row = offRows + stride * static_cast<size_t>(nHeight - 1 - y);
    const size_t bit = static_cast<size_t>(x) * dib.nBitCount;
    return (b.at(row + bit / 8) >> (8 - dib.nBitCount - bit % 8)) & ((1u << dib.nBitCount) - 1);
}

bool ReadBmp(const std::string& path, CBmp* p) {
    CBytes b = ReadBytes(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || !ReadDib(b, 14, &p->dib)) return false;
    p->cbFile = Le32(b, 2);
    p->offBits = Le32(b, 10);
    const CDib& d = p->dib;
    const size_t stride = (static_cast<size_t>(d.cx) * d.nBitCount + 31) / 32 * 4;
    if (d.cx <= 0 || d.cy <= 0 || d.nBitCount == 0 || p->offBits + stride * d.cy > b.size())
        return false;
    p->pixels.assign(d.cy, std::vector<unsigned>(d.cx));
    for (int y = 0; y < d.cy; ++y)
        for (int x = 0; x < d.cx; ++x)
            p->pixels[y][x] = DibPixel(b, d, p->offBits, d.cy, x, y);
    return true;
}

std::vector<CChunk> ReadChunks(const CBytes& b, size_t begin, size_t end) {
    std::vector<CChunk> chunks;
    size_t at = begin;
    while (at + 8 <= end && end <= b.size()) {
        CChunk c{FourCC(b, at), at + 8, Le32(b, at + 4)};
        if (c.offData + c.cbData > end) break;
        chunks.push_back(c);
        at = c.offData + c.cbData + (c.cbData % 2);
    }
    return chunks;
}

std::vector<int> FaceIds() {
    std::vector<int> ids;
    const int aces[] = {245, 205, 219, 232};
    const int twos[] = {246, 207, 220, 233};
    for (int s = 0; s < 4; ++s) {
        ids.push_back(aces[s]);
        for (int r = 0; r < 12; ++r)
            ids.push_back(twos[s] + r);
    }
    return ids;
}

bool DecodeRle8(const CBytes& b, size_t at, size_t size, int cx, int cy,
                std::vector<std::vector<unsigned>>* pRows) {
    std::vector<std::vector<unsigned>> bottomUp(1);
    size_t i = at, end = at + size;
    while (i + 1 < end) {
        unsigned count = b[i], value = b[i + 1];
        i += 2;
        if (count > 0) {
            bottomUp.back().insert(bottomUp.back().end(), count, value);
        } else if (value == 0) {
            bottomUp.emplace_back();
        } else if (value == 1) {
            if (static_cast<int>(bottomUp.size()) != cy) return false;
            for (const auto& row : bottomUp)
                if (static_cast<int>(row.size()) != cx) return false;
            pRows->assign(bottomUp.rbegin(), bottomUp.rend());
            return true;
        } else if (value == 2) {
            return false; // no deltas: every frame is whole
        } else {
            if (i + value > end) return false;
            bottomUp.back().insert(bottomUp.back().end(), b.begin() + i, b.begin() + i + value);
            i += value + (value % 2);
        }
    }
    return false;
}
