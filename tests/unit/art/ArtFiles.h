// Reading the generated art back, byte by byte, independently of the code that wrote it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using CBytes = std::vector<std::uint8_t>;

// The folder the native build's art generator writes to.
std::string ArtPath(const std::string& name);
// The whole file; empty when it cannot be read.
CBytes ReadBytes(const std::string& path);

std::uint32_t Le16(const CBytes& b, size_t at);
std::uint32_t Le32(const CBytes& b, size_t at);
std::string FourCC(const CBytes& b, size_t at);

// A DIB as stored in a .bmp file, an icon or cursor image, or an animation's format chunk.
struct CDib {
    std::uint32_t cbHeader = 0;
    std::int32_t cx = 0;
    std::int32_t cy = 0; // as stored: icons and cursors store twice the height
    unsigned nPlanes = 0;
    unsigned nBitCount = 0;
    std::uint32_t nCompression = 0;
    std::uint32_t cbImage = 0;
    std::uint32_t nClrUsed = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB
    size_t offBits = 0;                 // where the pixel rows begin in the buffer
};
// Reads the info header and the palette at the offset; false when they do not fit.
bool ReadDib(const CBytes& b, size_t at, CDib* pDib);
// The pixel at (x, y) counted from the top-left, rows stored bottom-up from offBits.
unsigned DibPixel(const CBytes& b, const CDib& dib, size_t offRows, int nHeight, int x, int y);

// A whole .bmp file: its header and pixel indices, row by row from the top.
struct CBmp {
    CDib dib;
    std::uint32_t cbFile = 0;
    std::uint32_t offBits = 0;
    std::vector<std::vector<unsigned>> pixels;
    unsigned At(int x, int y) const { return pixels[y][x]; }
};
bool ReadBmp(const std::string& path, CBmp* pBmp);

// The standard 16 VGA colours in the Windows palette order, as 0x00RRGGBB.
extern const std::uint32_t kVga[16];

// A chunk of a RIFF file.
struct CChunk {
    std::string id;
    size_t offData;
    std::uint32_t cbData;
};
// The chunks inside [begin, end), each followed by a pad byte when its size is odd.
std::vector<CChunk> ReadChunks(const CBytes& b, size_t begin, size_t end);

// Decodes one RLE8 frame into rows from the top; false on any malformed code, a row that
// does not come out exactly cx pixels wide, a delta, or a missing end-of-bitmap mark.
bool DecodeRle8(const CBytes& b, size_t at, size_t size, int cx, int cy,
                std::vector<std::vector<unsigned>>* pRows);

// The card faces' resource ids in the deck's order: Clubs, Hearts, Spades, Diamonds, each
// Ace to King.
std::vector<int> FaceIds();
