#pragma once

#include "state/EntrantTable.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace velmora {

class GameContext;

// The frame every game plays in: seats, turn marker, "INIZIA", the table watch and the end of a round.
// Seats 0, 1 and 2 are the computer players of the human's table in entrant order; seat 3 is the human.
class TableFlow {
  public:
    explicit TableFlow(GameContext& form) : f(form) {}

    // Whether play runs at the human's table: it is shown, between "INIZIA" and the close of the
    // round ("PROSSIMO TURNO" or the prize board).
    bool playRunning();

    // Regroups the seated entrants of roundPlayers by table into tablePlayers (table t holds rows
    // 4(t-1)..4t-1) and refreshes the scoreboard rows from roundPlayers.
    void groupTablePlayers();
    // Fills seatNames and the four seat captions and flags.
    void showSeats();
    // "INIZIA": starts play at the human's table.
    void Label42_Click();
    // A click on a card of the human's hand, handed to the current game once play has started.
    void Image11_Click(int index);
    // A click on a seat's card backs, handed to the current game.
    void Image10_Click(int index);
    // The table watch: redraws the game's scoreboard and, for a game that wants it, looks for the
    // end of the round.
    void Timer1_Timer();
    // Closes the round once every table has its two players out, and offers "PROSSIMO TURNO".
    void checkRoundOver();
    // Closes the round now, once: stops every timer, decides who is out at every table, redraws the
    // boards and offers "PROSSIMO TURNO". A game that ends its round itself calls it.
    void endRound();
    // Decides who is out at every table and copies the results into roundPlayers and boardRows.
    void closeRound();
    // True when the human's row among the round's tables is marked out.
    bool humanMarkedOut();
    // The human's row in tablePlayers, or null when he is not seated.
    EntrantRow* humanRow();
    // The four rows of a table in tablePlayers.
    std::vector<EntrantRow*> tableRows(int table);
    // Until a game has tables of its own: groups the round and tells the player it is not open.
    void refuseUnopenedTable();
    // Uno, after every move at the human's table: places, the end of the table, the speed-up once
    // the human has emptied his hand.
    void checkUnoTableEnd();
    // Brisolo: once all four cards of a manche are down, decides its winner.
    void checkTrickComplete();
    // The highest card takes the manche; of equal cards the one played later.
    void decideTrickWinner();
    // Remembers the four cards on the table as the trick `winner` (a seat) has just taken, worth
    // `points`, before they are cleared away, and tells the table who took it.
    void keepLastTrick(int winner, int points);
    // Packs the cards of the three computer hands into their first slots, keeping their order.
    void compactComputerHands();
    // Moves the turn marker to a seat (0..3).
    void moveTurnMarker(int seat);
    // Copies a changed entrant row into the roundPlayers and boardRows rows of the same entrant.
    void mirrorRow(const EntrantRow& row);
    // Copies only the given columns of a changed row, the same way.
    void mirrorColumns(const EntrantRow& row, std::initializer_list<int> columns);

    // Turn marker position (twips on the table panel) of each seat.
    static constexpr int kMarkerTop[4] = {1320, 5520, 9600, 5520};
    static constexpr int kMarkerLeft[4] = {6600, 10320, 6600, 2760};

  private:
    // The rows of one entrant in the three lists: the first in roundPlayers and in tablePlayers,
    // and every scoreboard row (a short field repeats its last entrant on the board).
    std::vector<EntrantRow*> copiesOf(const EntrantRow& entrant);

    GameContext& f;
};

} // namespace velmora
