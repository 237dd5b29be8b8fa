#include "games/uno/UnoGame.h"

#include "state/GameContext.h"
#include "tournament/TableFlow.h"
#include "tournament/TablePlaces.h"

#include <algorithm>

namespace velmora {

void UnoGame::setUp() {
    m_table.setUp();
}

void UnoGame::start() {
    f.timer(2).setEnabled(true);
    f.timer(1).setEnabled(true);
    if (f.turnSeat != 3) {
        f.tableFlow().checkUnoTableEnd();
        f.tablePhase = 1;
        f.timer(3).setEnabled(true);
    }
}

void UnoGame::cardClick(int index) {
    m_table.cardClick(index);
}

bool UnoGame::humanToPlay() {
    return m_table.humanToPlay();
}

std::string UnoGame::prompt() {
    if (m_table.colourChoicePending()) return "Quale colore scegli? Blu, Giallo, Rosso o Verde (1-4 o B, G, R, V)";
    return "";
}

bool UnoGame::humanMayPlayCard(int slot) {
    return m_table.humanMayPlaySlot(slot);
}

void UnoGame::cardBackClick(int index) {
    m_table.Image10_Click(index);
}

void UnoGame::drawScoreboard() {
    m_table.drawScoreboard();
}

bool UnoGame::finishedAtTable(const EntrantRow& row) const {
    // Uno players finish by emptying their hands.
    return row[entrant::kCards].isEmpty();
}

void UnoGame::qualify() {
    // The two who emptied their hands go on; whoever still holds cards is out in this round.
    for (int r = 0; r < 4 * f.tableCount; ++r) {
        EntrantRow& row = f.tablePlayers[static_cast<size_t>(r)];
        if (row[entrant::kCards].isEmpty()) continue;
        row[entrant::kOut] = Value(1);
        // The final's places were given as the hands emptied; every other loser goes out in this round.
        if (row[entrant::kPlaceGroup].isEmpty()) row[entrant::kPlaceGroup] = Value(f.qualifierCount);
    }
}

int UnoGame::humanCardsOnTheirWay() {
    // A card he has put down waits for the human turn's driver to reach the pile.
    return f.humanPlayStep == 1 && f.timer(4).enabled() && f.playSlot >= 0 ? 1 : 0;
}

int UnoGame::humanTableVerdict() {
    // The first two to empty their hands go on: once he has, he is through; once two others have,
    // he is out.
    if (f.humanFinished == 1) return 1;
    return f.handOver == 1 ? -1 : 0;
}

bool UnoGame::humanOutOfRound() {
    const int human = findEntrant(f.roundPlayers, f.playerSurname, f.playerFirstName);
    const bool humanOut = human >= 0 && f.roundPlayers[static_cast<size_t>(human)][entrant::kCards].num() > 0;
    // The two of each table who emptied their hands go on; whoever still holds cards is out.
    for (EntrantRow& row : f.roundPlayers) {
        const double table = row[entrant::kTable].num();
        if (table < 1 || table > f.tableCount) continue;
        row[entrant::kTable] = Value(0);
        row[entrant::kOut] = Value(row[entrant::kCards].isEmpty() ? 0 : 1);
    }
    return humanOut;
}

std::array<int, 4> UnoGame::humanTablePlaces() {
    const int first = 4 * (f.humanTable - 1);
    if (first < 0 || first + 3 >= static_cast<int>(f.tablePlayers.size())) return {};
    // The first to empty his hand finishes first; those still holding cards when the table ends
    // never went out, and nothing at an Uno table tells them apart.
    constexpr size_t kNeverOut = 4;
    std::array<size_t, 4> wentOut{kNeverOut, kNeverOut, kNeverOut, kNeverOut};
    std::array<bool, 4> out{};
    const std::vector<int>& emptied = m_table.emptiedSeats();
    for (size_t k = 0; k < 4; ++k) {
        const EntrantRow& row = f.tablePlayers[static_cast<size_t>(first) + k];
        out[k] = row[entrant::kOut].is("1");
        for (size_t turn = 0; turn < emptied.size(); ++turn) {
            const EntrantRow& seat = f.seatNames[static_cast<size_t>(emptied[turn])];
            if (sameEntrant(row, seat[entrant::kSurname].str(), seat[entrant::kFirstName].str()))
                wentOut[k] = turn;
        }
    }
    return placesAtTable(
        out, [&](int a, int b) { return wentOut[static_cast<size_t>(a)] < wentOut[static_cast<size_t>(b)]; });
}

void UnoGame::placePlayedFinal() {
    // A finalist still holding cards when the table ended shares third place.
    for (int seat = 0; seat < 4; ++seat) {
        if (Value(f.c("Label40", seat).text).num() == 0) continue;
        const int row = findIn(f.tablePlayers, 4, f.seatNames[static_cast<size_t>(seat)]);
        if (row < 0) continue;
        f.tablePlayers[static_cast<size_t>(row)][entrant::kOut] = Value(1);
        f.tablePlayers[static_cast<size_t>(row)][entrant::kPlaceGroup] = Value(3);
    }
    // The winner and the runner-up were placed while playing: whatever of 1, 2, 3, 3 is still
    // missing goes to the finalists without a place, in table order.
    std::vector<int> missing = {1, 2, 3, 3};
    std::vector<int> unplaced;
    for (int i = 0; i < 4; ++i) {
        const Value& place = f.tablePlayers[static_cast<size_t>(i)][entrant::kPlaceGroup];
        auto it = std::find(missing.begin(), missing.end(), static_cast<int>(place.toInt()));
        if (place.isEmpty() || it == missing.end()) {
            if (place.isEmpty()) unplaced.push_back(i);
        } else {
            missing.erase(it);
        }
    }
    for (size_t k = 0; k < unplaced.size() && k < missing.size(); ++k) {
        f.tablePlayers[static_cast<size_t>(unplaced[k])][entrant::kPlaceGroup] = Value(missing[k]);
    }
    for (int i = 0; i < 4; ++i) {
        const EntrantRow& finalist = f.tablePlayers[static_cast<size_t>(i)];
        if (!namedEntrant(finalist)) continue;
        const int row = findEntrant(f.roundPlayers, finalist[entrant::kSurname].str(),
                                    finalist[entrant::kFirstName].str());
        if (row >= 0) copyColumns(finalist, f.roundPlayers[static_cast<size_t>(row)], 10);
    }
    refreshByName(f.boardRows, static_cast<int>(f.boardRows.size()), f.tablePlayers, 4, 10);
}

void UnoGame::decideFinal(const std::vector<EntrantRow*>& finalists) {
    // Ranking points weigh the draw; everybody counts at least 100 so nobody is left out.
    const int count = static_cast<int>(finalists.size());
    std::vector<double> cumulative;
    double sum = 0;
    for (EntrantRow* row : finalists) {
        if ((*row)[entrant::kRankingPoints].num() < 100) (*row)[entrant::kRankingPoints] = Value(100);
        sum += (*row)[entrant::kRankingPoints].num();
        cumulative.push_back(sum);
    }
    std::vector<bool> placed(static_cast<size_t>(count), false);
    for (int place = 1; place <= std::min(count, 4); ++place) {
        for (;;) {
            // x falls in finalist k's share [c(k-1), c(k)) with odds weight / total; the top
            // end itself belongs to nobody and is drawn again.
            const double x = static_cast<double>(f.random().upTo(cumulative.back()));
            int candidate = -1;
            for (int k = 0; k < count && candidate < 0; ++k) {
                if (x < cumulative[static_cast<size_t>(k)]) candidate = k;
            }
            if (candidate < 0 || placed[static_cast<size_t>(candidate)]) continue;
            placed[static_cast<size_t>(candidate)] = true;
            (*finalists[static_cast<size_t>(candidate)])[entrant::kPlaceGroup] = Value(sharedThird(place));
            break;
        }
    }
}

std::string UnoGame::standingsHeader() const {
    return "Naz  El Car  Giocatore                                                                       "
           "                                Rank       Punti";
}

std::vector<EntrantRow*> UnoGame::standingsRows(int table) {
    std::vector<EntrantRow*> shown;
    for (EntrantRow& row : f.roundPlayers) {
        if (!row[entrant::kSurname].isEmpty() && row[entrant::kTable].num() == static_cast<double>(table))
            shown.push_back(&row);
    }
    // Once the round has closed its marks are settled (the final's places among them): the board
    // only shows them.
    if (shown.empty() || f.roundClosed) return shown;
    // An Uno table is decided once two of its players have emptied their hands; the board settles
    // who goes on as it draws.
    int emptied = 0;
    for (int r = 4 * (table - 1); r < 4 * table; ++r) {
        if (f.tablePlayers[static_cast<size_t>(r)][entrant::kCards].isEmpty()) ++emptied;
    }
    for (EntrantRow* row : shown) {
        if ((*row)[entrant::kCards].isEmpty()) {
            (*row)[entrant::kOut] = Value(0);
        } else if (emptied >= 2) {
            (*row)[entrant::kOut] = Value(1);
        }
    }
    return shown;
}

std::vector<std::string> UnoGame::standingsScores(const EntrantRow&) const {
    return {};
}

} // namespace velmora
