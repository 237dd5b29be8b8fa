#pragma once

#include "data/Rows.h"
#include "state/EntrantTable.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// One table the human sat at, as its round closed: the players it began with (4 at the final) and
// the four at the table, his row first, each with his place there: the table's finishing order as
// its game ranks it (two the game cannot tell apart share a place), a final's places as the
// tournament gave them (1, 2 and a shared 3).
struct SatTable {
    std::string event;
    int round = 0;
    std::vector<std::pair<std::string, std::string>> players; // (surname, first name)
    std::vector<int> places;
};

// The running tournament: its event, its entrants and the round being played.
struct TournamentState {
    std::string currentGame; // "Uno", "Brisolo" or "Hearts", as the calendar names it
    Rows eventRows;
    EntrantTable roundPlayers = makeEntrantTable(512); // row 0 is the human
    EntrantTable tablePlayers = makeEntrantTable(512); // rows 4(t-1)..4t-1 are table t
    EntrantTable boardRows = makeEntrantTable(20);     // the scoreboard's rows
    EntrantTable seatNames = makeEntrantTable(4);      // the rows of seats 0..3 at his table
    int tableCount = 0;
    int qualifierCount = 0;
    int humanTable = 0;
    int roundNumber = 0;
    // True from the moment a round is decided until the next one is seated.
    bool roundClosed = false;
    // The finishing order at his table of the round last closed, by its rows of tablePlayers
    // (4·(humanTable−1) + k): places 1..4, 0 while no round of his has closed.
    std::array<int, 4> humanTablePlaces{};
    // The tables the human has sat at in this tournament, kept until its results are stored.
    std::vector<SatTable> humanTables;
};

} // namespace velmora
