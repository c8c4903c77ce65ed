#include "Sounds.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;

// A fixed pseudo-random source, so the noise is the same on every build.
class CNoise {
public:
    double Next() {
        m_nState = m_nState * 1664525u + 1013904223u;
        return static_cast<double>(m_nState >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t m_nState = 0x2545F491u;
};

std::vector<std::uint8_t> ToUnsigned8(const std::vector<double>& wave) {
    std::vector<std::uint8_t> out;
    out.reserve(wave.size());
    for (double v : wave) {
        long s = std::lround(128.0 + 127.0 * std::clamp(v, -1.0, 1.0));
        out.push_back(static_cast<std::uint8_t>(std::clamp(s, 0L, 255L)));
    }
    return out;
}

// Scales the wave so that its loudest sample reaches the level (1 is full scale).
void Normalise(std::vector<double>& wave, double level) {
    double peak = 0.0;
    for (double v : wave)
        peak = std::max(peak, std::fabs(v));
    if (peak > 0.0)
        for (double& v : wave)
            v *= level / peak;
}

// Short linear ramps at both ends, so neither end clicks.
void FadeEnds(std::vector<double>& wave, size_t nIn, size_t nOut) {
    for (size_t i = 0; i < nIn && i < wave.size(); ++i)
        wave[i] *= static_cast<double>(i) / static_cast<double>(nIn);
    for (size_t i = 0; i < nOut && i < wave.size(); ++i)
        wave[wave.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(nOut);
}
} // namespace

CWaveSound CardDownSound() {
    const std::uint32_t rate = 22254;
    std::vector<double> wave(672);
    CNoise noise;
    double low = 0.0;
    for (size_t i = 0; i < wave.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        low += 0.35 * (noise.Next() - low); // felt dulls the snap of the card
        double snap = low * std::exp(-t / 0.0022);
        double body = std::sin(2 * kPi * 310.0 * t) * std::exp(-t / 0.006);
        double tick = std::sin(2 * kPi * 1850.0 * t) * std::exp(-t / 0.0015);
        wave[i] = 0.9 * snap + 0.45 * body + 0.25 * tick;
    }
    Normalise(wave, 0.75);
    FadeEnds(wave, 3, 120);
    return CWaveSound{rate, ToUnsigned8(wave), false, 42};
}

CWaveSound DealSound() {
    const std::uint32_t rate = 11025;
    std::vector<double> wave(1623);
    CNoise noise;
    double low = 0.0, rumble = 0.0;
    const double n = static_cast<double>(wave.size());
    for (size_t i = 0; i < wave.size(); ++i) {
        double u = static_cast<double>(i) / n;
        // The swish brightens as the card speeds up, then settles.
        double cutoff = 1200.0 + 2200.0 * std::sin(kPi * std::min(1.0, u * 1.25));
        low += (1.0 - std::exp(-2 * kPi * cutoff / rate)) * (noise.Next() - low);
        rumble += (1.0 - std::exp(-2 * kPi * 350.0 / rate)) * (low - rumble);
        double envelope = std::pow(std::sin(kPi * std::pow(u, 0.7)), 2.0);
        wave[i] = (low - rumble) * envelope;
    }
    Normalise(wave, 0.42);
    FadeEnds(wave, 8, 40);
    return CWaveSound{rate, ToUnsigned8(wave), true, 0};
}

namespace {
struct CNote {
    double start; // seconds
    double freq;
    double length;
    double level;
};

// A bright, slightly hollow tone: the first odd harmonics of a square wave, kept under the
// Nyquist frequency.
double Tone(double freq, double t, double rate) {
    double v = 0.0;
    for (int h = 1; h <= 5; h += 2)
        if (freq * h < rate / 2) v += std::sin(2 * kPi * freq * h * t) / (h * h * 0.7 + 0.3);
    return v;
}
} // namespace

CWaveSound WinSound() {
    const std::uint32_t rate = 7330;
    std::vector<double> wave(7140);
    // A rising major arpeggio, then the top chord rings out.
    static const CNote kNotes[] = {{0.00, 523.25, 0.16, 0.5},  {0.09, 659.26, 0.16, 0.5},
                                   {0.18, 783.99, 0.16, 0.5},  {0.27, 1046.50, 0.18, 0.5},
                                   {0.40, 783.99, 0.57, 0.32}, {0.40, 1046.50, 0.57, 0.34},
                                   {0.40, 1318.51, 0.57, 0.3}};
    for (const CNote& note : kNotes) {
        size_t first = static_cast<size_t>(note.start * rate);
        size_t count = static_cast<size_t>(note.length * rate);
        for (size_t k = 0; k < count && first + k < wave.size(); ++k) {
            double t = static_cast<double>(k) / rate;
            double attack = std::min(1.0, t / 0.006);
            double decay = std::exp(-t / (note.length * 0.45));
            double vibrato = 1.0 + 0.004 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.2);
            wave[first + k] += note.level * attack * decay * Tone(note.freq * vibrato, t, rate);
        }
    }
    Normalise(wave, 0.8);
    FadeEnds(wave, 4, 220);
    return CWaveSound{rate, ToUnsigned8(wave), false, 0};
}
