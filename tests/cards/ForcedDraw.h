#pragma once

#include "cards/RandomSequence.h"

#include <cmath>
#include <cstdint>

namespace velmora::test {

// Finds the start state that makes draw number `draw` (1 = the very next one) of the game's random
// sequence come out as `fraction`, by running the sequence's mixing steps backwards. Lets a test
// force one exact number at a known point (a swap count of 0, a counter step of 600) without
// searching. Tests check the forced draw before relying on it, so a changed generator fails loudly.
inline std::uint64_t stateForDraw(double fraction, long long draw) {
    constexpr std::uint64_t kStep = 0x9E3779B97F4A7C15ULL;
    constexpr std::uint64_t kMul1 = 0xBF58476D1CE4E5B9ULL;
    constexpr std::uint64_t kMul2 = 0x94D049BB133111EBULL;
    auto inverse = [](std::uint64_t odd) {
        std::uint64_t x = odd; // Newton's iteration doubles the correct low bits each time
        for (int i = 0; i < 6; ++i)
            x *= 2 - odd * x;
        return x;
    };
    auto unshift = [](std::uint64_t y, int shift) {
        std::uint64_t x = y;
        for (int i = 0; i < 64 / shift + 1; ++i)
            x = y ^ (x >> shift);
        return x;
    };
    const auto top53 = static_cast<std::uint64_t>(std::ceil(fraction * 0x1.0p53));
    std::uint64_t z = top53 << 11;
    z = unshift(z, 31);
    z *= inverse(kMul2);
    z = unshift(z, 27);
    z *= inverse(kMul1);
    z = unshift(z, 30);
    return z - static_cast<std::uint64_t>(draw) * kStep;
}

} // namespace velmora::test
