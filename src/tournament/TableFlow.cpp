#include "tournament/TableFlow.h"
#include "tournament/Scoreboard.h"

#include "state/GameContext.h"
#include "tournament/BoardColumns.h"
#include "tournament/GameTable.h"
#include "tournament/StandingsBoard.h"
#include "tournament/TableEvents.h"
#include "ui/DisabledWindow.h"

#include <string>

namespace velmora {

namespace {

// Seat captions keep to this many characters of a surname or a first name.
constexpr size_t kNameChars = 15;

// The first `count` characters of a UTF-8 text (accented names are common among the players).
std::string firstCharacters(const std::string& text, size_t count) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue; // continuation byte of the current character
        if (characters == count) return text.substr(0, i);
        ++characters;
    }
    return text;
}

bool seatedAt(const EntrantRow& row, int table) {
    return !row[entrant::kSurname].isEmpty() && row[entrant::kTable].num() == table;
}

} // namespace

void TableFlow::groupTablePlayers() {
    // Every game seats a new round through here: the round is open until it is decided.
    f.roundClosed = false;
    f.humanTablePlaces = {};
    // A new deal: no trick has been taken yet.
    f.lastTrickPictures.fill(std::string());
    f.lastTrickWinner = -1;
    f.tricksWon.fill(0);
    int row = 0;
    for (int t = 1; t <= f.tableCount; ++t) {
        for (const EntrantRow& entrant : f.roundPlayers) {
            if (row >= static_cast<int>(f.tablePlayers.size())) break;
            if (entrant[entrant::kTable].num() == t) f.tablePlayers[row++] = entrant;
        }
    }
    for (EntrantRow& board : f.boardRows) {
        const int found =
            findEntrant(f.roundPlayers, board[entrant::kSurname].str(), board[entrant::kFirstName].str());
        if (found >= 0) board = f.roundPlayers[found];
    }
}

void TableFlow::showSeats() {
    f.seatNames[3] = f.roundPlayers[0];
    int next = 0;
    for (size_t i = 1; i < f.roundPlayers.size() && next < 3; ++i) {
        if (seatedAt(f.roundPlayers[i], f.humanTable)) f.seatNames[next++] = f.roundPlayers[i];
    }
    for (int seat = 0; seat < 4; ++seat) {
        const EntrantRow& row = f.seatNames[seat];
        Control& flag = f.c("Image12", seat);
        f.loadPicture(flag, GameContext::flagPath(row[entrant::kFlag].str()));
        flag.visible = true;
        f.c("Label38", seat).text = firstCharacters(row[entrant::kSurname].str(), kNameChars) + "\n" +
                                    firstCharacters(row[entrant::kFirstName].str(), kNameChars) + "\n" +
                                    std::string(12, ' ') + row[entrant::kRankingPoints].str() + "Pts(" +
                                    row[entrant::kWorldPosition].str() + ")";
    }
    // Every game writes its own scoreboard header before it seats the table.
    BoardColumns::alignScoreboard(f.window());
}

void TableFlow::Label42_Click() {
    DisabledWindow disabled(f.window());
    f.c("Label42").visible = false;
    if (GameTable* game = f.gameTable()) game->start();
}

void TableFlow::Image11_Click(int index) {
    DisabledWindow disabled(f.window());
    // Before "INIZIA" the cards are only to be looked at.
    if (f.c("Label42").visible) return;
    if (GameTable* game = f.gameTable()) game->cardClick(index);
}

void TableFlow::Image10_Click(int index) {
    if (GameTable* game = f.gameTable()) game->cardBackClick(index);
}

void TableFlow::Timer1_Timer() {
    GameTable* game = f.gameTable();
    if (!game) return;
    BoardColumns::alignScoreboard(f.window());
    game->drawScoreboard();
    if (game->watchesRoundEnd()) checkRoundOver();
}

void TableFlow::checkRoundOver() {
    GameTable* game = f.gameTable();
    if (!game || f.tableCount <= 0) return; // no round is running
    // A round closes once: a finish check that comes late must not decide it a second time.
    if (f.roundClosed) return;
    int done = 0;
    for (int t = 1; t <= f.tableCount; ++t) {
        // The human's table is done only once its own end has been settled: its counts can read
        // two finished players while the last card's effect is still being played out.
        if (t == f.humanTable && f.handOver != 1) continue;
        int finished = 0;
        for (int r = 4 * (t - 1); r < 4 * t; ++r) {
            if (game->finishedAtTable(f.tablePlayers[static_cast<size_t>(r)])) ++finished;
        }
        if (finished == 2) ++done;
    }
    if (done != f.tableCount) return;
    endRound();
}

bool TableFlow::playRunning() {
    const Control* table = f.window().find("Picture5");
    return table && table->visible && f.gameTable() && !f.roundClosed && !f.c("Label42").visible &&
           !f.c("Label49").visible;
}

void TableFlow::endRound() {
    GameTable* game = f.gameTable();
    if (!game || f.roundClosed) return;
    DisabledWindow disabled(f.window());
    f.c("Label38", board::kNotice).visible = false;
    // Nothing may move at any table once the round is decided.
    for (int timer = 1; timer <= Window::kTimers; ++timer)
        f.timer(timer).setEnabled(false);
    f.roundClosed = true;
    closeRound();
    game->drawRoundScoreboard();
    // The standings board was last drawn on a background step, before the last card of the human's
    // table: it shows the round as closed only once drawn again.
    StandingsBoard(f).draw();
    f.c("Label49").visible = true;
}

void TableFlow::closeRound() {
    GameTable* game = f.gameTable();
    if (game) game->qualify();
    // His table's order is read while its scores still stand: the next deal clears them.
    if (game && f.humanTable > 0) f.humanTablePlaces = game->humanTablePlaces();
    for (int r = 0; r < 4 * f.tableCount && r < static_cast<int>(f.tablePlayers.size()); ++r) {
        mirrorRow(f.tablePlayers[static_cast<size_t>(r)]);
    }
}

bool TableFlow::humanMarkedOut() {
    const EntrantRow* human = humanRow();
    return human && (*human)[entrant::kOut].num() == 1;
}

EntrantRow* TableFlow::humanRow() {
    EntrantRow human;
    human.fill(Value(0));
    human[entrant::kSurname] = Value(f.playerSurname);
    human[entrant::kFirstName] = Value(f.playerFirstName);
    const int row = findIn(f.tablePlayers, 4 * f.tableCount, human);
    return row >= 0 ? &f.tablePlayers[static_cast<size_t>(row)] : nullptr;
}

std::vector<EntrantRow*> TableFlow::tableRows(int table) {
    std::vector<EntrantRow*> rows;
    for (int r = 4 * (table - 1); r < 4 * table && r >= 0 && r < static_cast<int>(f.tablePlayers.size()); ++r)
        rows.push_back(&f.tablePlayers[static_cast<size_t>(r)]);
    return rows;
}

void TableFlow::refuseUnopenedTable() {
    // The round's entrants are grouped by table so the rounds and the background tables see a
    // consistent field.
    groupTablePlayers();
    f.platform().messageBox("I tavoli di " + f.currentGame +
                                " non sono ancora aperti: ritira l'iscrizione e scegli un torneo di Uno.",
                            f.appTitle);
}

std::vector<EntrantRow*> TableFlow::copiesOf(const EntrantRow& entrant) {
    std::vector<EntrantRow*> copies;
    const std::string surname = entrant[entrant::kSurname].str();
    const std::string firstName = entrant[entrant::kFirstName].str();
    if (const int r = findEntrant(f.roundPlayers, surname, firstName); r >= 0)
        copies.push_back(&f.roundPlayers[r]);
    if (const int r = findEntrant(f.tablePlayers, surname, firstName); r >= 0)
        copies.push_back(&f.tablePlayers[r]);
    for (EntrantRow& board : f.boardRows) {
        if (sameEntrant(board, surname, firstName)) copies.push_back(&board);
    }
    return copies;
}

void TableFlow::checkUnoTableEnd() {
    if (f.roundClosed) return;
    int finished = 0;
    for (int seat = 0; seat < 4; ++seat) {
        if (!f.seatHand[seat][0].empty()) continue;
        ++finished;
        if (seat == 3) f.humanFinished = 1;
    }
    const bool final = f.qualifierCount == 2;
    if (final && finished < 3) {
        // In the final the order of emptying the hand is the order of the places.
        for (int seat = 0; seat < 4; ++seat) {
            if (f.c("Label40", seat).text != "0") continue;
            for (EntrantRow* row : copiesOf(f.seatNames[seat])) {
                if (!(*row)[entrant::kPlaceGroup].isEmpty()) continue;
                (*row)[entrant::kOut] = Value(1);
                (*row)[entrant::kPlaceGroup] = Value(finished);
            }
        }
    }
    if (finished >= 2) {
        if (final) {
            for (int seat = 0; seat < 4; ++seat) {
                for (EntrantRow* row : copiesOf(f.seatNames[seat])) {
                    if (!(*row)[entrant::kOut].isEmpty()) continue;
                    (*row)[entrant::kOut] = Value(1);
                    (*row)[entrant::kPlaceGroup] = Value(3);
                }
            }
        }
        f.timer(2).setInterval(200);
        f.timer(3).setEnabled(false);
        f.timer(4).setEnabled(false);
        f.c("Label38", board::kNotice).visible = true;
        f.handOver = 1;
        checkRoundOver();
    } else if (f.humanFinished == 1) {
        // The human is through: the other tables hurry up and his table plays on faster.
        f.timer(2).setInterval(200);
        f.timer(3).setInterval(250);
        f.c("Label38", board::kNotice).visible = true;
        f.timer(4).setEnabled(false);
    }
}

void TableFlow::checkTrickComplete() {
    for (const Card& card : f.trickCards) {
        if (card.value.isEmpty()) return;
    }
    f.handOver = 1;
    decideTrickWinner();
}

void TableFlow::decideTrickWinner() {
    // The seat after the last to play led the manche; walking from it in play order with ">=" lets
    // a later equal card beat an earlier one.
    int seat = (f.turnSeat + 1) % 4;
    double best = 0;
    int winner = -1;
    f.trickWinner = "-1";
    for (int played = 0; played < 4; ++played) {
        const double value = f.trickCards[seat].value.num();
        if (value >= best) {
            winner = seat;
            best = value;
        }
        seat = (seat + 1) % 4;
    }
    f.trickWinner = std::to_string(winner);
    f.turnSeat = winner;
}

void TableFlow::keepLastTrick(int winner, int points) {
    if (winner < 0 || winner > 3) return;
    f.tableEvents().raise(TableEvent::Kind::TrickTaken, winner, f.trickCards[static_cast<size_t>(winner)].code(),
                          points);
    for (int seat = 0; seat < 4; ++seat) {
        const Control& card = f.c("Image9", seat);
        f.lastTrickPictures[static_cast<size_t>(seat)] = card.visible ? card.picture : std::string();
    }
    f.lastTrickWinner = winner;
    ++f.tricksWon[static_cast<size_t>(winner)];
}

void TableFlow::compactComputerHands() {
    for (int seat = 0; seat < 3; ++seat) {
        Hand& hand = f.seatHand[seat];
        for (int pass = 0; pass < kHandSlots - 1; ++pass) {
            for (int i = 0; i < kHandSlots - 1; ++i) {
                if (!hand[i].value.isEmpty()) continue;
                hand[i] = hand[i + 1];
                hand[i + 1] = Card{Value(0), Value(0)};
            }
        }
    }
}

void TableFlow::moveTurnMarker(int seat) {
    if (seat < 0 || seat > 3) return;
    Control& marker = f.c("Shape1");
    marker.top = kMarkerTop[seat];
    marker.left = kMarkerLeft[seat];
}

void TableFlow::mirrorRow(const EntrantRow& row) {
    if (row[entrant::kSurname].isEmpty()) return; // an empty row names nobody
    const EntrantRow copy = row;                  // the row may be one of the copies written below
    const int r = findEntrant(f.roundPlayers, copy[entrant::kSurname].str(), copy[entrant::kFirstName].str());
    if (r >= 0) f.roundPlayers[r] = copy;
    for (EntrantRow& board : f.boardRows) {
        if (sameEntrant(board, copy[entrant::kSurname].str(), copy[entrant::kFirstName].str())) board = copy;
    }
}

void TableFlow::mirrorColumns(const EntrantRow& row, std::initializer_list<int> columns) {
    if (row[entrant::kSurname].isEmpty()) return;
    const EntrantRow copy = row;
    auto copyInto = [&](EntrantRow& target) {
        for (int c : columns)
            target[c] = copy[c];
    };
    const int r = findEntrant(f.roundPlayers, copy[entrant::kSurname].str(), copy[entrant::kFirstName].str());
    if (r >= 0) copyInto(f.roundPlayers[r]);
    for (EntrantRow& board : f.boardRows) {
        if (sameEntrant(board, copy[entrant::kSurname].str(), copy[entrant::kFirstName].str()))
            copyInto(board);
    }
}

} // namespace velmora
