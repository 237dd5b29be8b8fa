// The synthesized sounds as shipped: each decodes (read back with sox, as any player would), lasts
// between 20 ms and 3 s, never reaches full scale, and all are mixed to one loudness.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSounds = fs::path(VELMORA_APP_DIR) / "suoni";
constexpr int kRate = 44100;

// The samples of a sound file as sox decodes it (mono 16-bit at 44.1 kHz); empty when it cannot.
std::vector<double> decode(const fs::path& file) {
    const std::string command = "sox -q '" + file.string() + "' -t raw -e signed -b 16 -c 1 -r 44100 - 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::vector<double> samples;
    std::int16_t value = 0;
    while (std::fread(&value, sizeof value, 1, pipe) == 1)
        samples.push_back(value / 32768.0);
    return pclose(pipe) == 0 ? samples : std::vector<double>{};
}

// The loudest 50 ms, as root mean square in decibels of full scale.
double loudnessDb(const std::vector<double>& samples) {
    const size_t window = kRate / 20;
    double loudest = 0;
    for (size_t start = 0; start < samples.size(); start += window / 8) {
        double sum = 0;
        for (size_t i = start; i < std::min(samples.size(), start + window); ++i)
            sum += samples[i] * samples[i];
        loudest = std::max(loudest, sum / static_cast<double>(window));
    }
    return 10 * std::log10(loudest);
}

TEST(ShippedSoundsTest, EverySoundDecodesIsShortSoftAndAsLoudAsTheOthers) {
    ASSERT_EQ(std::system("sox --version >/dev/null 2>&1"), 0) << "sox is needed to read the sounds back";
    std::map<std::string, double> loudness;
    for (const auto& entry : fs::directory_iterator(kSounds)) {
        if (entry.path().extension() != ".wav") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const std::vector<double> samples = decode(entry.path());
        ASSERT_FALSE(samples.empty()) << "does not decode";
        const double seconds = static_cast<double>(samples.size()) / kRate;
        EXPECT_GE(seconds, 0.02);
        EXPECT_LE(seconds, 3.0);
        double peak = 0;
        for (double s : samples)
            peak = std::max(peak, std::abs(s));
        EXPECT_LT(peak, 0.99) << "reaches full scale";
        loudness[name] = loudnessDb(samples);
    }
    // At least every kind of moment the table and the career sound.
    for (const char* needed : {"carta1", "carta2", "carta3", "pesca", "mescola", "distribuisci", "presa",
                               "presa-tua", "cuori-rotti", "donna-picche", "luna", "pesca2", "pesca4",
                               "ultima-carta", "cambio-giro", "qualificato", "eliminato", "campione",
                               "finale-posto", "montepremi", "settimana"})
        EXPECT_EQ(loudness.count(needed), 1u) << needed;
    const auto [quietest, loudest] = std::minmax_element(
        loudness.begin(), loudness.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_LE(loudest->second - quietest->second, 3.0)
        << loudest->first << " is louder than " << quietest->first;
    EXPECT_GT(loudness["presa-tua"], loudness["presa"]) << "his own trick is no louder";
}

} // namespace
