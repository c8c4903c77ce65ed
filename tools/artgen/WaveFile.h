// RIFF WAVE files of 8-bit mono PCM.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct CWaveSound {
    std::uint32_t nRate = 0;
    std::vector<std::uint8_t> samples; // unsigned 8-bit, 128 is silence
    bool bFactChunk = false;           // a "fact" chunk with the sample count before the data
    size_t nTrailingBytes = 0;         // zero bytes after the end of the RIFF file
};

std::vector<std::uint8_t> EncodeWave(const CWaveSound& wave);
