#include "games/brisolo/BrisoloBackgroundTables.h"

#include "cards/RandomSequence.h"
#include "games/brisolo/BrisoloColumns.h"
#include "games/brisolo/BrisoloPlaces.h"
#include "state/GameContext.h"
#include "tournament/BackgroundTables.h"
#include "tournament/TableFlow.h"

#include <string>

namespace velmora {

namespace {

// A Brisolo hand shares out 416 points (the 52 card values); the background tables count the
// share of each manche against 1716 less 100 per card still in hand, so the sum of all thirteen
// manches is 1616.
constexpr int kBrisoloPool = 1716;
constexpr int kHandCards = 13;

} // namespace

int BrisoloBackgroundTables::manchePoints(int remaining, int cards, RandomSequence& random) {
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

void BrisoloBackgroundTables::Timer5_Timer() {
    ++f.backgroundStep;
    for (int t = 1; t <= f.tableCount; ++t) {
        if (t == f.humanTable || f.tablePlayers[4 * (t - 1)][entrant::kCards].isEmpty()) continue;
        brisoloTable(t);
    }
    f.backgroundTables().refreshStandings();
    if (f.backgroundStep >= kHandCards) f.timer(5).setEnabled(false);
}

void BrisoloBackgroundTables::brisoloTable(int table) {
    const int first = 4 * (table - 1);
    const long long cards = f.tablePlayers[first][entrant::kCards].toInt();
    double taken = 0;
    for (int r = first; r < first + 4; ++r)
        taken += f.tablePlayers[r][brisolo::kPoints].num();
    const int remaining = kBrisoloPool - static_cast<int>(taken) - 100 * static_cast<int>(cards);
    const int points = manchePoints(remaining, static_cast<int>(cards), f.random());

    // In play order from the seat that leads, the order weights 1, 3, 5, 7: the seat that plays last
    // weighs most, as a later equal card takes the manche.
    int& lead = f.leadSeats[static_cast<size_t>(table - 1)];
    long long weight[4] = {0, 0, 0, 0};
    long long total = 0;
    for (int k = 0; k < 4; ++k) {
        const int seat = ((lead % 4) + 4 + k) % 4;
        weight[seat] = (2001 - f.tablePlayers[first + seat][entrant::kWorldPosition].toInt()) * (2 * k + 1);
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
        row[entrant::kCards] = Value(row[entrant::kCards].toInt() - 1);
    }
    EntrantRow& won = f.tablePlayers[first + winner];
    won[brisolo::kPoints] = Value(won[brisolo::kPoints].num() + points);
    won[brisolo::kLastManche] = Value(f.backgroundStep);
    won[brisolo::kManches] = Value(won[brisolo::kManches].num() + 1);
    if (points > won[brisolo::kBestManche].num()) won[brisolo::kBestManche] = Value(points);

    if (f.tablePlayers[first][entrant::kCards].isEmpty()) BrisoloPlaces::eliminateTwo(f.tablePlayers, first);
    for (int r = first; r < first + 4; ++r)
        f.tableFlow().mirrorColumns(f.tablePlayers[r],
                                    {entrant::kCards, entrant::kOut, brisolo::kPoints, brisolo::kManches,
                                     brisolo::kLastManche, brisolo::kBestManche});
}

} // namespace velmora
