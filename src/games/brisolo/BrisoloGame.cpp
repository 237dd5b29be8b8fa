#include "games/brisolo/BrisoloGame.h"

#include "games/brisolo/BrisoloColumns.h"
#include "games/brisolo/BrisoloPlaces.h"
#include "state/GameContext.h"
#include "tournament/TableFlow.h"

namespace velmora {

void BrisoloGame::setUp() {
    m_table.setUp();
}

void BrisoloGame::start() {
    f.timer(5).setEnabled(true);
    f.timer(1).setEnabled(true);
    if (f.turnSeat != 3) {
        f.timer(6).setEnabled(true);
        f.tablePhase = 1;
    }
}

void BrisoloGame::cardClick(int index) {
    m_table.cardClick(index);
}

void BrisoloGame::drawScoreboard() {
    m_table.drawScoreboard();
}

bool BrisoloGame::finishedAtTable(const EntrantRow& row) const {
    // Brisolo marks the two losers of a table when its hand is over.
    return row[entrant::kOut].is("1");
}

void BrisoloGame::qualify() {
    for (EntrantRow& row : f.tablePlayers)
        row[entrant::kOut] = Value(0);
    for (int t = 1; t <= f.tableCount; ++t) {
        // A loser goes out with the round's place group, as at every other game.
        for (int loser : BrisoloPlaces::eliminateTwo(f.tablePlayers, 4 * (t - 1)))
            f.tablePlayers[static_cast<size_t>(loser)][entrant::kPlaceGroup] = Value(f.qualifierCount);
    }
    if (f.qualifierCount == 2) BrisoloPlaces::placeFinalTable(f.tablePlayers, 0);
}

int BrisoloGame::humanTableVerdict() {
    // The two with the fewest points are marked as soon as the thirteenth manche is scored.
    const EntrantRow* human = f.tableFlow().humanRow();
    if (!human || f.handOver != 1 || !(*human)[entrant::kCards].isEmpty()) return 0;
    return (*human)[entrant::kOut].num() == 1 ? -1 : 1;
}

bool BrisoloGame::humanOutOfRound() {
    return f.tableFlow().humanMarkedOut();
}

std::array<int, 4> BrisoloGame::humanTablePlaces() {
    const int first = 4 * (f.humanTable - 1);
    if (first < 0 || first + 3 >= static_cast<int>(f.tablePlayers.size())) return {};
    return BrisoloPlaces::tablePlaces(f.tablePlayers, first);
}

void BrisoloGame::decideFinal(const std::vector<EntrantRow*>& finalists) {
    int thirds = 0, seconds = 0, firsts = 0;
    for (const EntrantRow* row : finalists) {
        const double place = (*row)[entrant::kPlaceGroup].num();
        thirds += place == 3;
        seconds += place == 2;
        firsts += place == 1;
    }
    if (thirds == 2 && seconds == 1 && firsts == 1) return;
    // Ranked on the points, manches and best manche of the background play; on a full tie the
    // later finalist wins, as the later of two equal cards takes a manche.
    for (int place = 1; place <= 4; ++place) {
        EntrantRow* best = nullptr;
        for (EntrantRow* r : finalists) {
            if (!(*r)[entrant::kPlaceGroup].isEmpty()) continue;
            if (!best) {
                best = r;
                continue;
            }
            const EntrantRow& b = *best;
            const double p = (*r)[brisolo::kPoints].num(), pb = b[brisolo::kPoints].num();
            const double m = (*r)[brisolo::kManches].num(), mb = b[brisolo::kManches].num();
            const double mp = (*r)[brisolo::kBestManche].num(), mpb = b[brisolo::kBestManche].num();
            if (p > pb || (p == pb && m > mb) || (p == pb && m == mb && mp >= mpb)) best = r;
        }
        if (!best) break;
        (*best)[entrant::kPlaceGroup] = Value(sharedThird(place));
        (*best)[entrant::kOut] = Value(1);
        for (int c = entrant::kFirstScore; c <= entrant::kLastScore; ++c)
            (*best)[static_cast<size_t>(c)] = Value(0);
    }
}

std::string BrisoloGame::standingsHeader() const {
    return "Naz  El Car   Pu  Ma  MP Giocatore                                                           "
           "                           Rank  Punti";
}

std::vector<EntrantRow*> BrisoloGame::standingsRows(int table) {
    return f.tableFlow().tableRows(table);
}

std::vector<std::string> BrisoloGame::standingsScores(const EntrantRow& row) const {
    return {row[brisolo::kPoints].str(), row[brisolo::kManches].str(), row[brisolo::kBestManche].str()};
}

} // namespace velmora
