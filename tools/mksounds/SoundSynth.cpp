#include "SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

namespace sounds {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Every sound is brought to this loudness (RMS over its sounding part, dB of full scale), and no
// peak goes above the ceiling, so the table never startles and no cue drowns another.
constexpr double kLoudnessDb = -20.0;
constexpr double kCeiling = 0.7;
// The human's own trick is a little louder than another's, well within the shared loudness.
constexpr double kOwnTrickDb = 2.0;

// A fixed noise sequence, so every build writes the same files.
struct Noise {
    std::uint32_t state = 0x2545F491u;
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }
};

Samples silence(double seconds) {
    return Samples(static_cast<size_t>(seconds * kRate), 0.0);
}

// Adds src into dst from a moment on, growing dst when needed.
void mixAt(Samples& dst, const Samples& src, double at, double gain = 1.0) {
    const size_t start = static_cast<size_t>(at * kRate);
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i)
        dst[start + i] += src[i] * gain;
}

// A card's paper: noise through a band around a centre frequency, a quick attack and a fast fall.
Samples flick(double seconds, double centreHz, double decay, std::uint32_t seed) {
    Noise noise;
    noise.state ^= seed * 2654435761u;
    Samples out = silence(seconds);
    // A two-pole resonator picks out the band.
    const double r = 0.92;
    const double w = 2 * kPi * centreHz / kRate;
    const double a1 = 2 * r * std::cos(w), a2 = -r * r;
    double y1 = 0, y2 = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, t / 0.002) * std::exp(-t * decay);
        const double y = noise.next() * (1 - r) + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        out[i] = y * envelope;
    }
    return out;
}

// A soft bell: a sine with a little of its octave, dying away.
Samples bell(double seconds, double hz, double decay) {
    Samples out = silence(seconds);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, t / 0.005) * std::exp(-t * decay);
        out[i] = envelope * (std::sin(2 * kPi * hz * t) + 0.3 * std::sin(4 * kPi * hz * t));
    }
    return out;
}

// A tone gliding from one pitch to another.
Samples glide(double seconds, double fromHz, double toHz) {
    Samples out = silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double hz = fromHz + (toHz - fromHz) * t / seconds;
        phase += 2 * kPi * hz / kRate;
        const double envelope = std::sin(kPi * t / seconds);
        out[i] = envelope * std::sin(phase);
    }
    return out;
}

Samples notes(const std::vector<double>& hz, double step, double each, double decay) {
    Samples out;
    for (size_t k = 0; k < hz.size(); ++k)
        mixAt(out, bell(each, hz[k], decay), static_cast<double>(k) * step);
    return out;
}

Samples flicks(int count, double step, double centreHz, std::uint32_t seed) {
    Samples out;
    for (int k = 0; k < count; ++k)
        mixAt(out, flick(0.07, centreHz * (1.0 + 0.06 * (k % 3)), 70, seed + static_cast<std::uint32_t>(k)),
              k * step);
    return out;
}

// The loudness of a sound as the ear takes a short one: the loudest 50 ms of it (root mean square),
// so a chime's long tail does not count as quiet.
double soundingRms(const Samples& samples) {
    const size_t window = kRate / 20;
    double loudest = 0;
    for (size_t start = 0; start < samples.size(); start += window / 4) {
        const size_t end = std::min(samples.size(), start + window);
        double sum = 0;
        for (size_t i = start; i < end; ++i)
            sum += samples[i] * samples[i];
        loudest = std::max(loudest, std::sqrt(sum / static_cast<double>(window)));
        if (end == samples.size()) break;
    }
    return loudest;
}

// Brings a sound to the shared loudness plus an offset, keeping its peak under the ceiling, and
// fades its last milliseconds so it ends without a click.
Samples level(Samples samples, double offsetDb = 0.0) {
    const double now = soundingRms(samples);
    if (now <= 0) return samples;
    double gain = std::pow(10.0, (kLoudnessDb + offsetDb) / 20.0) / now;
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    gain = std::min(gain, kCeiling / peak);
    const size_t fade = std::min<size_t>(samples.size(), kRate / 200);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] *= gain;
        const size_t left = samples.size() - i;
        if (left < fade) samples[i] *= static_cast<double>(left) / static_cast<double>(fade);
    }
    return samples;
}

const std::map<std::string, std::function<Samples()>>& recipes() {
    static const std::map<std::string, std::function<Samples()>> all = {
        // A card laid: three papers, so a trick does not sound mechanical.
        {"carta1", [] { return flick(0.09, 2400, 55, 1); }},
        {"carta2", [] { return flick(0.09, 2900, 60, 2); }},
        {"carta3", [] { return flick(0.10, 2100, 50, 3); }},
        // Uno: a card drawn from the deck, softer and longer.
        {"pesca", [] { return flick(0.14, 1600, 28, 4); }},
        // A table's start: the riffle of a shuffle, then the deal round the table.
        {"mescola", [] { return flicks(14, 0.035, 3200, 10); }},
        {"distribuisci", [] { return flicks(4, 0.09, 2200, 30); }},
        // A trick or manche gathered; the human's own a little louder.
        {"presa", [] { return flicks(3, 0.03, 1400, 40); }},
        {"presa-tua", [] { return flicks(3, 0.03, 1400, 40); }},
        // Hearts.
        {"cuori-rotti", [] { return notes({392.0, 311.1}, 0.12, 0.45, 7); }},
        {"donna-picche", [] { return notes({196.0, 207.7}, 0.0, 0.6, 5); }},
        {"luna", [] { return notes({523.3, 659.3, 784.0, 1046.5}, 0.09, 0.5, 6); }},
        // Uno.
        {"pesca2", [] { return flicks(2, 0.09, 1600, 50); }},
        {"pesca4", [] { return flicks(4, 0.08, 1600, 60); }},
        {"ultima-carta", [] { return bell(0.35, 1318.5, 10); }},
        {"cambio-giro", [] { return glide(0.25, 500, 900); }},
        // The banner over the table.
        {"qualificato", [] { return notes({523.3, 784.0}, 0.11, 0.5, 7); }},
        {"eliminato", [] { return notes({392.0, 293.7}, 0.16, 0.6, 6); }},
        {"campione", [] { return notes({523.3, 659.3, 784.0, 1046.5, 784.0, 1046.5}, 0.12, 0.7, 4); }},
        {"finale-posto", [] { return notes({587.3, 740.0}, 0.12, 0.5, 7); }},
        // The prize board's money, and the week moving on.
        {"montepremi", [] {
             Samples coins;
             for (int k = 0; k < 5; ++k)
                 mixAt(coins, bell(0.18, 2093.0 + 150.0 * (k % 2), 22), k * 0.06);
             return coins;
         }},
        {"settimana", [] { return bell(0.06, 880.0, 60); }},
    };
    return all;
}

} // namespace

std::vector<std::string> names() {
    std::vector<std::string> all;
    for (const auto& [name, recipe] : recipes())
        all.push_back(name);
    return all;
}

Samples make(const std::string& name) {
    auto found = recipes().find(name);
    if (found == recipes().end()) return {};
    return level(found->second(), name == "presa-tua" ? kOwnTrickDb : 0.0);
}

double rms(const Samples& samples) {
    return soundingRms(samples);
}

bool writeWav(const std::string& path, const Samples& samples) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    auto word = [&](std::uint32_t value, int bytes) {
        for (int b = 0; b < bytes; ++b)
            std::fputc(static_cast<int>((value >> (8 * b)) & 0xFF), file);
    };
    const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
    std::fputs("RIFF", file);
    word(36 + data, 4);
    std::fputs("WAVEfmt ", file);
    word(16, 4);
    word(1, 2); // PCM
    word(1, 2); // mono
    word(kRate, 4);
    word(kRate * 2, 4);
    word(2, 2);
    word(16, 2);
    std::fputs("data", file);
    word(data, 4);
    for (double s : samples) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        word(static_cast<std::uint32_t>(static_cast<std::int16_t>(value)) & 0xFFFF, 2);
    }
    return std::fclose(file) == 0;
}

} // namespace sounds
