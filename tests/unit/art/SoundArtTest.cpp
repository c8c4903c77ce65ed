// The three WAVE files: RIFF layout, rates, sample counts, and sounds that suit their use.
#include "ArtFiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct CWave {
    CBytes bytes;
    std::uint32_t cbRiff = 0;
    std::vector<CChunk> chunks;
    std::vector<int> samples; // centred on 0
};

// Reads the file as a player does: the length comes from the RIFF header, and whatever
// follows the RIFF file is ignored.
CWave ReadWave(const std::string& name) {
    CWave w;
    w.bytes = ReadBytes(ArtPath(name));
    if (FourCC(w.bytes, 0) != "RIFF" || FourCC(w.bytes, 8) != "WAVE") return w;
    w.cbRiff = Le32(w.bytes, 4);
    w.chunks = ReadChunks(w.bytes, 12, std::min<size_t>(8 + w.cbRiff, w.bytes.size()));
    for (const CChunk& c : w.chunks)
        if (c.id == "data")
            for (size_t i = 0; i < c.cbData; ++i)
                w.samples.push_back(static_cast<int>(w.bytes[c.offData + i]) - 128);
    return w;
}

const CChunk* Find(const CWave& w, const std::string& id) {
    for (const CChunk& c : w.chunks)
        if (c.id == id) return &c;
    return nullptr;
}

void ExpectPcm8Mono(const CWave& w, std::uint32_t rate, size_t cSamples) {
    const CChunk* fmt = Find(w, "fmt ");
    ASSERT_NE(fmt, nullptr);
    ASSERT_GE(fmt->cbData, 16u);
    EXPECT_EQ(Le16(w.bytes, fmt->offData), 1u) << "PCM";
    EXPECT_EQ(Le16(w.bytes, fmt->offData + 2), 1u) << "mono";
    EXPECT_EQ(Le32(w.bytes, fmt->offData + 4), rate);
    EXPECT_EQ(Le32(w.bytes, fmt->offData + 8), rate) << "bytes per second";
    EXPECT_EQ(Le16(w.bytes, fmt->offData + 12), 1u) << "block align";
    EXPECT_EQ(Le16(w.bytes, fmt->offData + 14), 8u) << "bits per sample";
    EXPECT_EQ(w.samples.size(), cSamples);
    ASSERT_FALSE(w.samples.empty());
    EXPECT_LE(std::abs(w.samples.front()), 3) << "starts without a click";
    EXPECT_LE(std::abs(w.samples.back()), 3) << "ends without a click";
    int clipped = 0;
    for (int s : w.samples)
        clipped += s == -128 || s == 127;
    EXPECT_LE(clipped, 2);
}

double Rms(const std::vector<int>& s, double from, double to) {
    size_t a = static_cast<size_t>(from * s.size()), b = static_cast<size_t>(to * s.size());
    double sum = 0;
    for (size_t i = a; i < b; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(b - a));
}

int Peak(const std::vector<int>& s) {
    int peak = 0;
    for (int v : s)
        peak = std::max(peak, std::abs(v));
    return peak;
}

double CrossingsPerSecond(const std::vector<int>& s, double fromSec, double toSec, double rate) {
    size_t a = static_cast<size_t>(fromSec * rate), b = static_cast<size_t>(toSec * rate);
    int crossings = 0;
    for (size_t i = a + 1; i < b; ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    return crossings / (toSec - fromSec);
}
} // namespace

TEST(Sounds, CardDownIs672SamplesAt22254HzWith42BytesAfterTheRiffFile) {
    CWave w = ReadWave("144.wav");
    ExpectPcm8Mono(w, 22254, 672);
    EXPECT_EQ(w.bytes.size(), 8 + w.cbRiff + 42);
    EXPECT_EQ(Find(w, "fact"), nullptr);
    // A click: loud at once, then dying away.
    EXPECT_GE(Peak(w.samples), 40);
    EXPECT_GT(Rms(w.samples, 0.0, 0.33), 3 * Rms(w.samples, 0.67, 1.0));
}

TEST(Sounds, DealIs1623SamplesAt11025HzWithAFactChunkBeforeItsData) {
    CWave w = ReadWave("196.wav");
    ExpectPcm8Mono(w, 11025, 1623);
    EXPECT_EQ(w.bytes.size(), 8 + w.cbRiff) << "nothing after the RIFF file";
    const CChunk* fact = Find(w, "fact");
    const CChunk* data = Find(w, "data");
    ASSERT_NE(fact, nullptr);
    ASSERT_NE(data, nullptr);
    EXPECT_LT(fact->offData, data->offData);
    EXPECT_EQ(fact->cbData, 4u);
    EXPECT_EQ(Le32(w.bytes, fact->offData), 1623u);
    // A soft swish: it swells and fades instead of starting with a bang.
    EXPECT_GE(Peak(w.samples), 15);
    EXPECT_LT(Peak(w.samples), 100);
    EXPECT_LT(Rms(w.samples, 0.0, 0.08), Rms(w.samples, 0.25, 0.55));
    EXPECT_LT(Rms(w.samples, 0.92, 1.0), Rms(w.samples, 0.25, 0.55));
}

TEST(Sounds, WinIs7140SamplesAt7330HzAndRisesInPitch) {
    CWave w = ReadWave("262.wav");
    ExpectPcm8Mono(w, 7330, 7140);
    EXPECT_EQ(w.bytes.size(), 8 + w.cbRiff);
    EXPECT_GE(Peak(w.samples), 50);
    for (double q = 0; q < 0.75; q += 0.25)
        EXPECT_GT(Rms(w.samples, q, q + 0.25), 5.0) << "sounds through quarter " << q;
    EXPECT_LT(CrossingsPerSecond(w.samples, 0.01, 0.08, 7330),
              CrossingsPerSecond(w.samples, 0.28, 0.36, 7330) * 0.75);
}
