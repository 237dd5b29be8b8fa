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

// The columns of an entrant row.
namespace entrant {
constexpr int kSurname = 0;
constexpr int kFirstName = 1;
constexpr int kAge = 2;
constexpr int kFlag = 3;          // the nation's flag key
constexpr int kRankingPoints = 4; // overall ranking points when the tournament began
constexpr int kWorldPosition = 5; // world position when the tournament began
constexpr int kTable = 6;         // the table of the round, 0 when not seated
constexpr int kCards = 7;         // cards in hand; at Uno 0 once the hand is emptied
constexpr int kOut = 8;           // 1 once out of the tournament (or out at his table)
constexpr int kPlaceGroup = 9;    // the place group of his exit, or his place in the final
constexpr int kOnBoard = 10;      // 1 once listed on the scoreboard
constexpr int kFirstScore = 11;   // 11..14: the game's scores of the round
constexpr int kLastScore = 14;
} // namespace entrant

// A table of the given number of rows, every cell numeric 0.
EntrantTable makeEntrantTable(int rows);
// Sets every cell to numeric 0.
void clearEntrantTable(EntrantTable& table);
// True when the row holds this surname and first name.
bool sameEntrant(const EntrantRow& row, const std::string& surname, const std::string& firstName);
// Index of the first row holding this entrant, or -1.
int findEntrant(const EntrantTable& table, const std::string& surname, const std::string& firstName);
// True when the row names somebody (surname and first name).
bool namedEntrant(const EntrantRow& row);
// Index of the first of rows [0, count) of a table holding the entrant of another row, or -1.
int findIn(const EntrantTable& table, int count, const EntrantRow& entrant);
// Copies columns 0..lastColumn of one row into another.
void copyColumns(const EntrantRow& from, EntrantRow& to, int lastColumn);
// Refreshes each row of target [0, targetCount) from the first row of source [0, sourceCount) of
// the same entrant, columns 0..lastColumn.
void refreshByName(EntrantTable& target, int targetCount, const EntrantTable& source, int sourceCount,
                   int lastColumn);
// The two beaten finalists share third place: a fourth place would read as the place group 4 of
// the semifinal losers, and the board, the prize and the stored result would then disagree.
inline int sharedThird(int place) {
    return place > 3 ? 3 : place;
}
// The position stored in tornei for a place group: players who went out in a round are grouped by
// how many went through (4, 8, 16 .. 256), and sit just below them, at that number plus 1. The
// places 1, 2 and 3 of a final, and the first positions of the tiers, are positions already.
long recordedPosition(long placeGroup);

} // namespace velmora
