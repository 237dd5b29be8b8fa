#pragma once

#include "app/Form1.h"
#include "games/uno/UnoGame.h"
#include "support/GameTest.h"

#include <initializer_list>
#include <string>

namespace velmora::test {

// A card from its code: "7rosso", "piu2verde", "piu4", "cambiacolore".
Card unoCard(const std::string& code);
Hand unoHand(std::initializer_list<const char*> codes);

// A window with one Uno table of four already seated and started: seats 0..2 are the computer
// players Bianchi, Verdi and Neri, seat 3 is the human Rossi Mario; the deck is the built order.
// Tests lay out hands and the pile by hand and run the handlers and ticks.
class UnoTableTest : public GameTest {
  protected:
    UnoTableTest();

    UnoGame& game() { return *static_cast<UnoGame*>(form->gameTable("Uno")); }
    UnoTable& table() { return game().table(); }
    UnoComputer& computer() { return game().computer(); }
    Form1& f() { return *form; }

    // Writes the four players into the round's entrant tables, the seats and the scoreboard.
    void seatPlayers();
    // Gives a seat these cards (the rest of its places empty) and refreshes the counters.
    void setHand(int seat, std::initializer_list<const char*> codes);
    // Empties a seat's hand: it has finished.
    void finishSeat(int seat) { setHand(seat, {}); }
    // Puts a card on the pile; after a wild card, colour names the colour in force.
    void setPile(const std::string& code, const std::string& colour = "");
    // The human's turn: both drivers stopped.
    void humanToMove();
    // The computer seat's turn, driver at step 1.
    void computerToMove(int seat);
    // One tick of the computer driver / of the human's driver.
    void tick3(int ticks = 1);
    void tick4(int ticks = 1);
    int cardsOf(int seat);
    // The place of a card in a seat's hand, or -1.
    int slotOf(int seat, const std::string& code);
};

} // namespace velmora::test
