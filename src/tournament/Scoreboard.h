#pragma once

#include "state/EntrantTable.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velmora {

class GameContext;

// The scoreboard's labels (Label38 items): the columns every game fills, then the three only the
// games with scores of their own fill, and the notice shown while the other tables finish.
namespace board {
constexpr int kHeader = 11;
constexpr int kCards = 12;
constexpr int kTable = 13;
constexpr int kName = 14;
constexpr int kRank = 15;
constexpr int kPoints = 16;
constexpr int kOut = 17;
constexpr int kThrough = 19;
constexpr int kNotice = 21;
constexpr int kScoreColumns[3] = {22, 23, 27};
} // namespace board

// The scoreboard beside the table: the first 20 rows of boardRows (8 in the weeks of the season
// finals), a flag and a stripe for every other line, and one label per column (Label38 items) with
// one line per row. Each game says what its columns show for a row.
class Scoreboard {
  public:
    // The texts of one row, by column item; a column left unset shows an empty line.
    using Line = std::map<int, std::string>;
    using Fill = std::function<void(const EntrantRow& row, Line& line)>;

    // Redraws the board's columns `items` from the rows, through the game's fill.
    static void draw(GameContext& f, const std::vector<int>& items, const Fill& fill);
    // Rows shown in the current week.
    static int shownRows(const GameContext& f);
};

} // namespace velmora
