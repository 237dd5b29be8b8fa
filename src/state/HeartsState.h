#pragma once

#include "cards/Card.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// What only a Hearts table needs: the pass, the suit led, broken hearts and the other tables'
// hands simulated at the pass.
struct HeartsState {
    // Per table (0..127) and trick (0..12): k 0..3 the points seat k takes, k 4..7 the lowest heart
    // seat k-4 takes (20 = none).
    std::vector<std::array<std::array<int, 8>, 13>> simTricks =
        std::vector<std::array<std::array<int, 8>, 13>>(128);
    // Per table (0..127) and heart rank (0..12): the heart of value rank+2 while not yet taken in
    // that table's simulated hand, 0 once taken.
    std::vector<std::array<int, 13>> simHearts = std::vector<std::array<int, 13>>(128);
    std::string passDirection;           // "destra", "sinistra" or "davanti"
    std::array<Card, 3> passSelection{}; // the human's cards set aside to pass; empty = free
    std::array<Card, 3> passToHuman{};   // the cards the giving seat passes to the human
    std::string ledSuit;                 // suit of the trick's first card; "" before the lead
    int heartsBroken = 0;                // 1 once hearts may be led
    int chosenSlot = -1;                 // hand place of the human's card just played
};

} // namespace velmora
