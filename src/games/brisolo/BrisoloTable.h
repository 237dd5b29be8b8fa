#pragma once

#include "cards/Card.h"

#include <string>

namespace velmora {

class GameContext;

// The human's Brisolo table: the deal, the human's card, the driver that moves the three computer
// seats one card per tick, the scoring of every manche and the end of the hand.
//
// The driver (Timer6) steps by tablePhase: 1 a computer seat plays, 2 the manche is checked after a
// computer card, 3 it is checked after the human's card, 4 a complete manche is scored. It stops
// whenever the human is to play; his card starts it again at step 3.
class BrisoloTable {
  public:
    explicit BrisoloTable(GameContext& form) : f(form) {}

    // Lays out a freshly seated table with "INIZIA" showing.
    void setUp();
    // The human plays the card of a hand place: any card, whenever it is his turn.
    void cardClick(int index);
    // Whether the human is to lead or follow now: his turn, the driver at rest, his card of the
    // manche not yet down.
    bool humanToPlay();
    // Whether a click on place `index` of his hand puts that card down now. Suits play no part, so
    // on his turn every card he holds may go; the click and the table's dimming both ask this.
    bool humanMayPlaySlot(int index);
    // The table driver, one step per tick.
    void Timer6_Timer();
    // The scoreboard of the round's twenty best-ranked players (eight from week 50 on). It reads
    // only the scoreboard rows, so other games may draw it too.
    void drawScoreboard();

    // The scoreboard's header (Label38 item 11) over its columns.
    static std::string boardHeader();
    // The running points of the manche, as Label51 shows them.
    int manchePoints();

  private:
    // Books the complete manche for its winner (turnSeat), worth manchePoints(): every player of
    // the table holds one card fewer; the winner adds the points and the manche, records the
    // manche's number (14 - cards left, so 2..14) and keeps his richest manche. Then it opens the
    // next manche, and after the thirteenth puts two players out. The driver's step 4.
    void scoreManche();
    // The computer seat turnSeat puts down its card.
    void computerMove();
    // After the thirteenth manche: the two players of the table with the fewest points are out.
    void endOfHand();
    // Puts a seat's card on the table.
    void putDown(int seat, int slot);
    // The row of tablePlayers holding the player of a seat; -1 when there is none.
    int seatRow(int seat);
    // Row of tablePlayers where the human's table starts.
    int firstRow() const;
    void showSeatScores();

    GameContext& f;
};

} // namespace velmora
