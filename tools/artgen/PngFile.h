// PNG files of 8-bit RGB pixels, compressed with zlib.
#pragma once

#include <cstdint>
#include <vector>

// rgb holds cx * cy pixels, row by row from the top, three bytes each.
std::vector<std::uint8_t> EncodePng(int cx, int cy, const std::vector<std::uint8_t>& rgb);
