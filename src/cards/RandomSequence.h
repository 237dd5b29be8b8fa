#pragma once

#include <cstdint>

namespace velmora {

// The game's one source of chance: a fixed sequence of uniform numbers in [0, 1), never seeded
// from the clock. Runs differ only because start-up skips ahead by a stored counter.
class RandomSequence {
public:
    // The next number of the sequence, uniform in [0, 1) (Rnd).
    double next();
    // A random integer 0..n: next() * n rounded, halves to even, so 0 and n come up half as often.
    long long upTo(double n);

    std::uint64_t state() const { return m_state; }
    void setState(std::uint64_t state) { m_state = state; }

    static constexpr std::uint64_t kStart = 0x5EED0F7E11A2ULL;

private:
    std::uint64_t m_state = kStart;
};

} // namespace velmora
