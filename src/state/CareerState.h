#pragma once

#include "data/Rows.h"

#include <array>
#include <utility>
#include <string>
#include <vector>

namespace velmora {

// The world around the human as the dashboard last counted it: who leads each ranking (overall,
// Uno, Hearts, Brisolo) and the players just above and below him in the overall world ranking.
struct WorldGlance {
    std::array<std::string, 4> leaders;           // "cognome nome" of each ranking's number 1
    std::vector<std::pair<int, std::string>> near; // (world place, "cognome nome") around his place
};

// The human's career in memory and the world's players as the career screens last read them.
struct CareerState {
    std::string playerFirstName, playerSurname, playerNation;
    int playerAge = 0;
    long playerMoney = 0; // euro
    int currentWeek = 1;
    std::string enteredEvent = "0"; // the tournament he is entered in this week; "0" for none
    Rows weekEvents;
    // The twelve places the dashboard last showed (overall, Uno, Hearts, Brisolo; each world,
    // continent, nation); 0 where he is not ranked.
    std::array<int, 12> rankingPlaces{};
    WorldGlance worldGlance;
    Rows playerRows; // giocatori rows, points columns 9..12 updated in memory
    int playerRowsLast = -1;
    std::vector<int> busy; // one flag per playerRows row: already placed this week
    std::array<int, 8> finalSlots{};
    long pickIndex = 0;
    long progressCounter = 0;
};

} // namespace velmora
