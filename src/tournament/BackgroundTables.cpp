#include "tournament/BackgroundTables.h"

#include "app/Form1.h"
#include "cards/RandomSequence.h"
#include "games/brisolo/BrisoloPlaces.h"
#include "tournament/GameTable.h"
#include "tournament/StandingsBoard.h"
#include "tournament/TableFlow.h"

#include <algorithm>

namespace velmora {

namespace {

// A Brisolo hand shares out 416 points (the 52 card values); the background tables count the
// share of each manche against 1716 less 100 per card still in hand, so the sum of all thirteen
// manches is 1616.
constexpr int kBrisoloPool = 1716;
// Brisolo and Hearts hands hold 13 cards: 13 manches or tricks.
constexpr int kHandCards = 13;

} // namespace

int BackgroundTables::unoCardChange(int cards, double rankingPoints, RandomSequence& random) {
    // A fuller hand plays more often; ranking points add one for every hundred; the last term is
    // 40 for a player without points and falls slowly as points grow.
    const long long base = 35LL * cards + roundEven(rankingPoints / 100) +
                           roundEven(static_cast<double>(roundEven(2000 - rankingPoints / 200)) * 2 / 100);
    const long long r = random.upTo(static_cast<double>(base + 65 + 7 + 3 + 7));
    if (r <= base) return -1;     // a card played
    if (r <= base + 65) return 1; // one card drawn
    if (r <= base + 72) return 2; // a "piu2" suffered
    if (r <= base + 75) return 4; // a "piu4" suffered
    return 0;                     // nothing playable, a pass
}

int BackgroundTables::manchePoints(int remaining, int cards, RandomSequence& random) {
    if (cards <= 1) return remaining;
    const long long average = roundEven(static_cast<double>(remaining) / cards);
    const long long x = random.upTo(static_cast<double>(average) / 2);
    const long long y = random.upTo(static_cast<double>(average) / 2);
    long long points = average + x - y;
    if (points > 55) {
        points = points - random.upTo(10) - 5;
    } else if (points < 9) {
        points = points + 3 + random.upTo(5);
    }
    return static_cast<int>(points);
}

void BackgroundTables::Timer2_Timer() {
    for (int t = 1; t <= f.tableCount; ++t) {
        if (t != f.humanTable) unoTable(t);
    }
    refreshStandings();
}

void BackgroundTables::unoTable(int table) {
    const int first = 4 * (table - 1);
    int finished = 0;
    for (int r = first; r < first + 4; ++r) {
        if (f.tablePlayers[r][7].isEmpty()) ++finished;
    }
    if (finished >= 2) {
        // Decided: whoever still holds cards is out.
        for (int r = first; r < first + 4; ++r) {
            EntrantRow& row = f.tablePlayers[r];
            if (row[7].isEmpty()) continue;
            row[8] = Value(1);
            f.tableFlow().mirrorColumns(row, {8});
        }
        return;
    }
    for (int r = first; r < first + 4; ++r) {
        EntrantRow& row = f.tablePlayers[r];
        if (row[7].isEmpty()) continue;
        const long long cards = row[7].toInt();
        row[7] = Value(cards + unoCardChange(static_cast<int>(cards), row[4].num(), f.random()));
        f.tableFlow().mirrorColumns(row, {7});
        if (row[7].isEmpty() && ++finished == 2) break;
    }
}

void BackgroundTables::Timer5_Timer() {
    ++f.backgroundStep;
    for (int t = 1; t <= f.tableCount; ++t) {
        if (t == f.humanTable || f.tablePlayers[4 * (t - 1)][7].isEmpty()) continue;
        brisoloTable(t);
    }
    refreshStandings();
    if (f.backgroundStep >= kHandCards) f.timer(5).setEnabled(false);
}

void BackgroundTables::brisoloTable(int table) {
    const int first = 4 * (table - 1);
    const long long cards = f.tablePlayers[first][7].toInt();
    double taken = 0;
    for (int r = first; r < first + 4; ++r)
        taken += f.tablePlayers[r][11].num();
    const int remaining = kBrisoloPool - static_cast<int>(taken) - 100 * static_cast<int>(cards);
    const int points = manchePoints(remaining, static_cast<int>(cards), f.random());

    // In play order from the seat that leads, the order weights 1, 3, 5, 7: the seat that plays last
    // weighs most, as a later equal card takes the manche.
    int& lead = f.leadSeats[static_cast<size_t>(table - 1)];
    long long weight[4] = {0, 0, 0, 0};
    long long total = 0;
    for (int k = 0; k < 4; ++k) {
        const int seat = ((lead % 4) + 4 + k) % 4;
        weight[seat] = (2001 - f.tablePlayers[first + seat][5].toInt()) * (2 * k + 1);
    }
    for (long long w : weight)
        total += w;
    const long long drawn = f.random().upTo(static_cast<double>(total));
    int winner = 3;
    long long reach = 0;
    for (int seat = 0; seat < 3; ++seat) {
        reach += weight[seat];
        if (drawn <= reach) {
            winner = seat;
            break;
        }
    }
    f.trickWinner = std::to_string(winner);
    lead = winner;

    for (int r = first; r < first + 4; ++r) {
        EntrantRow& row = f.tablePlayers[r];
        row[7] = Value(row[7].toInt() - 1);
    }
    EntrantRow& won = f.tablePlayers[first + winner];
    won[11] = Value(won[11].num() + points);
    won[13] = Value(f.backgroundStep);
    won[12] = Value(won[12].num() + 1);
    if (points > won[14].num()) won[14] = Value(points);

    if (f.tablePlayers[first][7].isEmpty()) BrisoloPlaces::eliminateTwo(f.tablePlayers, first);
    for (int r = first; r < first + 4; ++r)
        f.tableFlow().mirrorColumns(f.tablePlayers[r], {7, 8, 11, 12, 13, 14});
}

void BackgroundTables::Timer8_Timer() {
    ++f.backgroundStep;
    for (int t = 1; t <= f.tableCount; ++t) {
        if (t == f.humanTable || f.tablePlayers[4 * (t - 1)][7].isEmpty()) continue;
        heartsTable(t);
    }
    if (f.backgroundStep >= kHandCards) {
        // The whole hand is shown: the game marks who is out at every other table.
        if (GameTable* game = f.gameTable()) game->backgroundHandOver();
        // The table watch keeps running: the human's own hand usually goes on after the other
        // tables' and its scoreboard would otherwise stand still; the end of his hand stops it.
        f.timer(8).setEnabled(false);
        f.c("Label38", 21).visible = false;
        f.timer(2).setEnabled(false);
    }
    refreshStandings();
}

void BackgroundTables::heartsTable(int table) {
    // The first revealed trick is trick 0 of the simulation, which never carries points.
    const int trick = f.backgroundStep - 1;
    if (trick < 0 || trick >= kHandCards) return;
    const auto& hand = f.simTricks[static_cast<size_t>(table - 1)];
    const int first = 4 * (table - 1);
    for (int seat = 0; seat < 4; ++seat) {
        EntrantRow& row = f.tablePlayers[first + seat];
        row[7] = Value(row[7].toInt() - 1);
        row[11] = Value(row[11].num() + hand[static_cast<size_t>(trick)][static_cast<size_t>(seat)]);
        int lowest = 20; // no heart taken yet
        for (int i = 0; i <= trick; ++i) {
            const int heart = hand[static_cast<size_t>(i)][static_cast<size_t>(4 + seat)];
            if (heart >= 2 && heart <= 14) lowest = std::min(lowest, heart);
        }
        row[12] = Value(lowest);
        f.tableFlow().mirrorColumns(row, {7, 11, 12});
    }
}

void BackgroundTables::refreshStandings() {
    StandingsBoard(f).draw();
}

void BackgroundTables::Combo7_Click() {
    refreshStandings();
}

} // namespace velmora
