#pragma once

#include "state/EntrantTable.h"

namespace velmora::hearts {

// What the game's score columns of an entrant row hold at Hearts.
constexpr int kPoints = entrant::kFirstScore;          // "Pu": penalty points taken this hand
constexpr int kLowestHeart = entrant::kFirstScore + 1; // "Cuo": the lowest heart taken; 20 for none

} // namespace velmora::hearts
