#include "games/hearts/HeartsGame.h"

#include "games/hearts/HeartsColumns.h"
#include "games/hearts/HeartsTable.h"
#include "state/GameContext.h"
#include "tournament/Scoreboard.h"
#include "tournament/TableFlow.h"

#include <array>

namespace velmora {

namespace {

// "Cuo" of a row as every Hearts board shows it.
std::string lowestHeartText(const EntrantRow& row) {
    return HeartsTable::heartText(static_cast<int>(row[hearts::kLowestHeart].toInt()));
}

} // namespace

void HeartsGame::setUp() {
    m_table.setUp();
}

// The pass of three cards starts the play.
void HeartsGame::start() {}

void HeartsGame::cardClick(int index) {
    m_table.cardClick(index);
}

void HeartsGame::drawScoreboard() {
    m_table.drawScoreboard();
}

void HeartsGame::drawRoundScoreboard() {
    // The closed round is shown on the Brisolo board, which lists the same columns; the lowest
    // heart keeps the letters it had during play ("J", "D", "K", "A", nothing for none).
    if (GameTable* board = f.gameTable("Brisolo")) board->drawScoreboard();
    Scoreboard::draw(f, {board::kScoreColumns[1]}, [](const EntrantRow& row, Scoreboard::Line& line) {
        line[board::kScoreColumns[1]] = lowestHeartText(row);
    });
}

bool HeartsGame::finishedAtTable(const EntrantRow& row) const {
    return row[entrant::kOut].is("1");
}

void HeartsGame::qualify() {
    m_table.qualify();
}

// The other tables have shown their whole hand: their two losers are marked on the board while
// the human's own hand goes on.
void HeartsGame::backgroundHandOver() {
    m_table.markOtherTables();
    m_table.drawScoreboard();
}

int HeartsGame::humanTableVerdict() {
    // The end of his hand settles every table of the round at once.
    if (f.handOver != 1 || !f.roundClosed) return 0;
    return f.tableFlow().humanMarkedOut() ? -1 : 1;
}

bool HeartsGame::humanOutOfRound() {
    return f.tableFlow().humanMarkedOut();
}

void HeartsGame::decideFinal(const std::vector<EntrantRow*>& finalists) {
    // A Hearts final without the human is a draw of the four places.
    std::array<bool, 5> taken{};
    for (size_t k = 0; k < finalists.size() && k < 4; ++k) {
        long long p = 0;
        do {
            p = f.random().upTo(3);
        } while (taken[static_cast<size_t>(p + 1)]);
        taken[static_cast<size_t>(p + 1)] = true;
        (*finalists[k])[entrant::kPlaceGroup] = Value(sharedThird(static_cast<int>(p) + 1));
        (*finalists[k])[entrant::kOut] = Value(1);
    }
}

std::string HeartsGame::standingsHeader() const {
    return "Naz  El Car  Pu  Cuo   Giocatore                                                             "
           "                               Rank  Punti";
}

std::vector<EntrantRow*> HeartsGame::standingsRows(int table) {
    return f.tableFlow().tableRows(table);
}

std::vector<std::string> HeartsGame::standingsScores(const EntrantRow& row) const {
    return {row[hearts::kPoints].str(), lowestHeartText(row)};
}

} // namespace velmora
