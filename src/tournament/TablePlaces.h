#pragma once

#include <array>
#include <functional>

namespace velmora {

// The finishing order at a decided table of four, by position at the table (0..3): the two going
// on finish ahead of the two out, and within each pair `ahead(a, b)` (true when a finished
// strictly ahead of b, by the game's own rule) orders them. A place is one more than the players
// strictly ahead, so two the game cannot tell apart share it: 1, 2, 3, 3 when the two out are level.
std::array<int, 4> placesAtTable(const std::array<bool, 4>& out,
                                 const std::function<bool(int a, int b)>& ahead);

} // namespace velmora
