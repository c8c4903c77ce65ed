// PNG files of 8-bit RGB pixels, compressed with a small deflate coder of our own (fixed
// Huffman codes, greedy LZ77), so the build needs no compression library.
#pragma once

#include <cstdint>
#include <vector>

// The zlib stream (RFC 1950) of the data.
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data);

// rgb holds cx * cy pixels, row by row from the top, three bytes each.
std::vector<std::uint8_t> EncodePng(int cx, int cy, const std::vector<std::uint8_t>& rgb);
