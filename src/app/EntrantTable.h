#pragma once

#include "data/Value.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// One entrant of the running tournament: 15 loosely typed columns (0 surname, 1 first name, 2 age,
// 3 flag key, 4 ranking points, 5 world position, 6 table, 7 cards in hand, 8 out flag,
// 9 place group, 10 on the scoreboard, 11..14 the game's scores of the round).
using EntrantRow = std::array<Value, 15>;
using EntrantTable = std::vector<EntrantRow>;

// A table of the given number of rows, every cell numeric 0.
EntrantTable makeEntrantTable(int rows);
// Sets every cell to numeric 0.
void clearEntrantTable(EntrantTable& table);
// True when the row holds this surname and first name.
bool sameEntrant(const EntrantRow& row, const std::string& surname, const std::string& firstName);
// Index of the first row holding this entrant, or -1.
int findEntrant(const EntrantTable& table, const std::string& surname, const std::string& firstName);

} // namespace velmora
