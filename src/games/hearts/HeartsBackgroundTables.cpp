#include "games/hearts/HeartsBackgroundTables.h"

#include "games/hearts/HeartsColumns.h"
#include "state/GameContext.h"
#include "tournament/BackgroundTables.h"
#include "tournament/GameTable.h"
#include "tournament/Scoreboard.h"
#include "tournament/TableFlow.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr int kHandCards = 13;
} // namespace

void HeartsBackgroundTables::Timer8_Timer() {
    ++f.backgroundStep;
    for (int t = 1; t <= f.tableCount; ++t) {
        if (t == f.humanTable || f.tablePlayers[4 * (t - 1)][entrant::kCards].isEmpty()) continue;
        heartsTable(t);
    }
    if (f.backgroundStep >= kHandCards) {
        // The whole hand is shown: the game marks who is out at every other table. The table
        // watch keeps running: the human's own hand usually goes on after the other tables' and its
        // scoreboard would otherwise stand still; the end of his hand stops it.
        if (GameTable* game = f.gameTable()) game->backgroundHandOver();
        f.timer(8).setEnabled(false);
        f.c("Label38", board::kNotice).visible = false;
        f.timer(2).setEnabled(false);
    }
    f.backgroundTables().refreshStandings();
}

void HeartsBackgroundTables::heartsTable(int table) {
    // The first revealed trick is trick 0 of the simulation, which never carries points.
    const int trick = f.backgroundStep - 1;
    if (trick < 0 || trick >= kHandCards) return;
    const auto& hand = f.simTricks[static_cast<size_t>(table - 1)];
    const int first = 4 * (table - 1);
    for (int seat = 0; seat < 4; ++seat) {
        EntrantRow& row = f.tablePlayers[first + seat];
        row[entrant::kCards] = Value(row[entrant::kCards].toInt() - 1);
        row[hearts::kPoints] =
            Value(row[hearts::kPoints].num() + hand[static_cast<size_t>(trick)][static_cast<size_t>(seat)]);
        int lowest = 20; // no heart taken yet
        for (int i = 0; i <= trick; ++i) {
            const int heart = hand[static_cast<size_t>(i)][static_cast<size_t>(4 + seat)];
            if (heart >= 2 && heart <= 14) lowest = std::min(lowest, heart);
        }
        row[hearts::kLowestHeart] = Value(lowest);
        f.tableFlow().mirrorColumns(row, {entrant::kCards, hearts::kPoints, hearts::kLowestHeart});
    }
}

} // namespace velmora
