#pragma once

#include "ScriptedTablePlayer.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora::test {

class DriverProcess;

// What the human went through in one round of an Uno tournament.
struct UnoRound {
    std::string caption;           // the round's caption on the table ("1° TURNO", "OTTAVI", ...)
    int humanCardsLeft = -1;       // the human's cards when the round was over (0: he emptied his hand)
    int finishedBeforeHim = -1;    // seats that had emptied their hands when he emptied his; -1 if he did not
    std::vector<int> seatCards;    // the four card counters when the round was over
    bool drawPileLeftOpen = false; // his draw pile was offered while the waiting notice was up
    std::vector<int> finishOrder;  // seats in the order their counters reached 0 (3 is the human)
    std::string pileAtClose;       // the picture of the card on the pile when the round was over
    std::vector<int> timersAtClose; // timers still running when "PROSSIMO TURNO" showed
    std::string boardTable;         // the table the standings board showed at the close (Combo7)
    std::vector<std::string> boardCards, boardGoesOn; // its card and "V" columns, one line a player
};

// What the human went through in one tournament, from "INIZIA" to the prize board.
struct UnoTournamentPlay {
    std::vector<UnoRound> rounds;
    int turns = 0;
    int cardsPlayed = 0;
    int wildCards = 0;
    int draws = 0;
    int passes = 0;
    long ticks = 0; // half-second steps of the virtual clock
};

// Plays the human's seat at an Uno table through the driver the way a plain player would: on his turn
// he tries his cards from the left, draws one when none fits, tries again, and passes when still
// stuck; after a wild card he names the colour he holds most of. Between rounds he presses
// "PROSSIMO TURNO" and "INIZIA", until the prize board opens.
class ScriptedUnoPlayer : public ScriptedTablePlayer {
  public:
    explicit ScriptedUnoPlayer(DriverProcess& driver) : ScriptedTablePlayer(driver) {}

    // From the table screen with "INIZIA" showing to the prize board. Throws DriverFailure when the
    // table stops making progress or a button the game must offer is not there.
    UnoTournamentPlay playTournament();

    // Longest a tournament may take on the virtual clock, in half-second steps.
    static constexpr long kMaxTicks = 40000;

  private:
    bool humansTurn();
    void takeTurn(UnoTournamentPlay& play);
    bool tryHandCards(UnoTournamentPlay& play);
    int preferredColourButton();
    void startRound(UnoTournamentPlay& play);
    void watchHumanFinish(UnoRound& round);
    void watchFinishes(UnoRound& round);
    // The table's counters, timers and buttons, for a failure message.
    std::string describeTable();
};

} // namespace velmora::test
