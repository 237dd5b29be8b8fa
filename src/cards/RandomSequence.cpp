#include "cards/RandomSequence.h"

#include <cmath>

namespace velmora {

double RandomSequence::next() {
    // splitmix64: small, fast and well distributed; the top 53 bits make the fraction.
    m_state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

long long RandomSequence::upTo(double n) { return static_cast<long long>(std::nearbyint(next() * n)); }

} // namespace velmora
