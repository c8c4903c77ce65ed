// Device-independent bitmap files: 4 bits per pixel with the VGA palette for the game's
// pictures, and the 4- and 8-bit DIB bodies that icons and animation frames embed.
#pragma once

#include "ByteBuffer.h"
#include "IndexedImage.h"

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;

// BITMAPINFOHEADER followed by the 16 VGA colours (as 4-byte quads).
// nClrUsed: the palette entries that follow (0 means all that the bit count allows).
void PutInfoHeader(CByteBuffer& out, int cx, int cy, int nBitCount, std::uint32_t nCompression,
                   std::uint32_t cbImage, std::uint32_t nClrUsed);
void PutVgaPalette(CByteBuffer& out);

// Rows bottom-up, each padded to a multiple of 4 bytes.
std::vector<std::uint8_t> PackRows(const CIndexedImage& image, int nBitCount);
int RowBytes(int cx, int nBitCount);

// A whole .bmp file, 4 bits per pixel, uncompressed.
std::vector<std::uint8_t> EncodeBmp4(const CIndexedImage& image);
