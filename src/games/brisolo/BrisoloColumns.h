#pragma once

#include "state/EntrantTable.h"

namespace velmora::brisolo {

// What the game's score columns of an entrant row hold at Brisolo.
constexpr int kPoints = entrant::kFirstScore;         // "Pu": points taken this hand
constexpr int kManches = entrant::kFirstScore + 1;    // "Ma": manches won
constexpr int kLastManche = entrant::kFirstScore + 2; // number of the last manche won
constexpr int kBestManche = entrant::kFirstScore + 3; // "MP": the richest manche won

} // namespace velmora::brisolo
