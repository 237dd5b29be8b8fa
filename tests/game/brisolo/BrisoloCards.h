#pragma once

#include "cards/Card.h"
#include "cards/RandomSequence.h"
#include "support/Hands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velmora::test {

// A 52-card card; suits play no part in Brisolo, so they only vary for show. Value 0 is an empty place.
inline Card brisoloCard(int value) {
    static const char* kSuits[4] = {"picche", "cuori", "fiori", "quadri"};
    return value == 0 ? Card{Value(0), Value(0)} : Card{Value(value), Value(kSuits[value % 4])};
}

inline std::vector<Card> brisoloCards(const std::vector<int>& values) {
    std::vector<Card> cards;
    for (int v : values)
        cards.push_back(brisoloCard(v));
    return cards;
}

// A hand holding the given values in places 0, 1, ..; a 0 leaves that place empty.
inline Hand brisoloHand(const std::vector<int>& values) {
    return handOf(brisoloCards(values));
}

// One wanted draw: a random integer 0..n that must come out between low and high.
struct Draw {
    double n;
    long long low, high;
};

// The first start state of the random sequence whose next draws come out as wanted, so a test can
// steer a computer seat down one branch.
inline std::uint64_t stateFor(const std::vector<Draw>& wanted) {
    for (std::uint64_t s = 1; s < 20'000'000; ++s) {
        RandomSequence random;
        random.setState(s);
        size_t i = 0;
        while (i < wanted.size()) {
            const long long v = random.upTo(wanted[i].n);
            if (v < wanted[i].low || v > wanted[i].high) break;
            ++i;
        }
        if (i == wanted.size()) return s;
    }
    ADD_FAILURE() << "no start state gives the wanted draws";
    return 0;
}

// How many numbers the sequence moved on from state `before` to reach `after`.
inline long long drawsBetween(std::uint64_t before, std::uint64_t after) {
    RandomSequence random;
    random.setState(before);
    for (long long n = 0; n < 1'000'000; ++n, random.next()) {
        if (random.state() == after) return n;
    }
    return -1;
}

} // namespace velmora::test
