#include "games/uno/UnoBackgroundTables.h"

#include "cards/RandomSequence.h"
#include "state/GameContext.h"
#include "tournament/BackgroundTables.h"
#include "tournament/TableFlow.h"

namespace velmora {

int UnoBackgroundTables::unoCardChange(int cards, double rankingPoints, RandomSequence& random) {
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

void UnoBackgroundTables::Timer2_Timer() {
    for (int t = 1; t <= f.tableCount; ++t) {
        if (t != f.humanTable) unoTable(t);
    }
    f.backgroundTables().refreshStandings();
}

void UnoBackgroundTables::unoTable(int table) {
    const int first = 4 * (table - 1);
    int finished = 0;
    for (int r = first; r < first + 4; ++r) {
        if (f.tablePlayers[r][entrant::kCards].isEmpty()) ++finished;
    }
    if (finished >= 2) {
        // Decided: whoever still holds cards is out.
        for (int r = first; r < first + 4; ++r) {
            EntrantRow& row = f.tablePlayers[r];
            if (row[entrant::kCards].isEmpty()) continue;
            row[entrant::kOut] = Value(1);
            f.tableFlow().mirrorColumns(row, {entrant::kOut});
        }
        return;
    }
    for (int r = first; r < first + 4; ++r) {
        EntrantRow& row = f.tablePlayers[r];
        if (row[entrant::kCards].isEmpty()) continue;
        const long long cards = row[entrant::kCards].toInt();
        row[entrant::kCards] = Value(
            cards + unoCardChange(static_cast<int>(cards), row[entrant::kRankingPoints].num(), f.random()));
        f.tableFlow().mirrorColumns(row, {entrant::kCards});
        if (row[entrant::kCards].isEmpty() && ++finished == 2) break;
    }
}

} // namespace velmora
