// Reads device-independent bitmap files into RGB images: the headless platform shows the game's
// real pictures with it, the contact sheet reads the generated art back.
#pragma once

#include "RgbImage.h"

#include <cstdint>
#include <string>
#include <vector>

// Decodes the bytes of a .bmp file: an info header of 40 bytes or more, 1, 4, 8 or 24 bits per
// pixel, uncompressed, bottom-up or top-down. Anything else, or any size or palette index that
// does not fit the file, gives false and leaves the image untouched.
bool DecodeBitmapFile(const std::vector<std::uint8_t>& bytes, CRgbImage* pImage);
bool ReadBitmapFile(const std::string& path, CRgbImage* pImage);
