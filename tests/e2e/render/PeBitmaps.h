// Reads the bitmaps a Windows program carries (its RT_BITMAP resources) straight from the
// program file, so the host can paint with exactly the pictures the program paints with.
#pragma once

#include "RgbImage.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A device-independent bitmap as a resource holds it (header, palette, bits), uncompressed
// with 1, 4, 8, 24 or 32 bits per pixel. False for anything else.
bool DecodeDib(const std::vector<std::uint8_t>& dib, CRgbImage& image);

// Every bitmap resource with a numeric id, by id; false (with the reason) when the file is not
// a Windows program (32-bit or 64-bit) or its resources cannot be read.
bool ReadBitmapResources(const std::string& path, std::map<int, CRgbImage>& bitmaps,
                         std::string& error);
