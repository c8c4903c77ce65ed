// A silent AVI clip of 8-bit frames with the VGA palette, every frame a key frame compressed
// with RLE8, the form the common Animate control plays.
#pragma once

#include "IndexedImage.h"

#include <vector>

// The RLE8 body of one frame: rows bottom-up, each ended by an end-of-line mark, the last by
// the end-of-bitmap mark.
std::vector<std::uint8_t> EncodeRle8(const CIndexedImage& frame);

std::vector<std::uint8_t> EncodeAvi(const std::vector<CIndexedImage>& frames,
                                    std::uint32_t nMicrosecondsPerFrame);
