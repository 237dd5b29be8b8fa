#pragma once

#include "cards/Card.h"
#include "games/hearts/HeartsQualification.h"
#include "state/EntrantTable.h"

#include <array>
#include <string>

namespace velmora {

class GameContext;

// The Hearts table of the human: the deal, the pass of three cards, the human's plays, the driver
// that plays the three computer seats one card per tick, the tricks, the end of the hand and the
// scoreboard. Seats 0..2 are computer players, seat 3 the human.
//
// The driver (Timer7) walks through steps kept in tablePhase: 1 the pass is done, 2 the human has
// just played, 3 after the human's card, 4 a computer seat plays, 5 the turn moves on, 6 a full
// trick is settled or the next seat is called. It stops whenever the human is to play; his card
// starts it again.
class HeartsTable {
  public:
    explicit HeartsTable(GameContext& form) : f(form) {}

    // Lays out a new table and deals; "INIZIA" and the pass button show.
    void setUp();
    // A click on a card of the hand (0..26) or of the pass area (27..29) once "INIZIA" is gone.
    void cardClick(int index);
    // The pass button: acts only with three cards set aside.
    void Label54_Click();
    // One step of the table driver.
    void Timer7_Timer();
    void drawScoreboard();
    // Who is out at every table of the round, in tablePlayers.
    void qualify();
    // Marks the two losers of every other table from the points their background hand has shown.
    void markOtherTables();
    // The finishing order at the human's table once qualify has decided it.
    std::array<int, 4> humanTablePlaces();

    // Whether the human's clicks set cards aside (before the pass) rather than play them.
    bool passPhase();
    // Whether three cards are set aside for the pass.
    bool passReady();
    // At the pass: how many cards he has set aside of the three to choose.
    std::string passPrompt();
    // Whether the human may play a card now.
    bool humanToPlay();
    // Whether the rules take the card of a hand place now: the one test behind both the click and
    // the dimmed look of the cards he may not play.
    bool humanMayPlaySlot(int index);
    // How "Cuo" is shown: A, K, D, J for the court cards, the number for 2..10, "" for none.
    static std::string heartText(int value);
    static std::string boardHeader();

  private:
    // The score sheet of the table whose rows start at `first` of tablePlayers.
    std::array<HeartsScore, 4> scoresAt(int first);
    // The computer seat turnSeat plays its chosen card.
    void computerPlays();
    // Puts a card of a seat on the table.
    void showTrickCard(int seat, const Card& card);
    bool trickComplete();
    // Scores the four cards down; ends the hand after the thirteenth trick.
    void resolveTrick();
    void endHand();
    // The rows of the human's table in tablePlayers (four).
    EntrantRow* seatRow(int seat);
    // The other tables show their whole simulated hand before the round is decided.
    void revealOtherTables();
    void clearTrick();
    // The first heart of the hand is down.
    void breakHearts();
    void showPassReady();

    GameContext& f;
};

} // namespace velmora
