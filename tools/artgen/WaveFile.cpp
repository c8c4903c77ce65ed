#include "WaveFile.h"

#include "ByteBuffer.h"

std::vector<std::uint8_t> EncodeWave(const CWaveSound& wave) {
    const auto cSamples = static_cast<std::uint32_t>(wave.samples.size());
    CByteBuffer out;
    out.PutFourCC("RIFF");
    out.Put32(0); // patched below
    out.PutFourCC("WAVE");
    out.PutFourCC("fmt ");
    out.Put32(16);
    out.Put16(1); // PCM
    out.Put16(1); // mono
    out.Put32(wave.nRate);
    out.Put32(wave.nRate); // one byte per sample
    out.Put16(1);
    out.Put16(8);
    if (wave.bFactChunk) {
        out.PutFourCC("fact");
        out.Put32(4);
        out.Put32(cSamples);
    }
    out.PutFourCC("data");
    out.Put32(cSamples);
    out.PutBytes(wave.samples);
    if (cSamples % 2 != 0)
        out.Put8(0); // chunks are word-aligned; the pad byte belongs to the RIFF file
    out.Patch32(4, static_cast<std::uint32_t>(out.Size() - 8));
    for (size_t i = 0; i < wave.nTrailingBytes; ++i)
        out.Put8(0);
    return out.Bytes();
}
