#pragma once

#include "state/EntrantTable.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// What the table frame asks of a card game. The frame owns the seats, "INIZIA", the table watch,
// the end of a round and "PROSSIMO TURNO"; a game deals, plays the human's table, keeps its
// scoreboard and says who is out. The frame calls the current game through this and never asks
// which game it is.
class GameTable {
  public:
    virtual ~GameTable() = default;

    // Cards each player holds at the deal.
    virtual int handSize() const = 0;
    // Deals a freshly seated round and lays out the table with "INIZIA" showing.
    virtual void setUp() = 0;
    // The game's part of "INIZIA", once the frame has hidden the button.
    virtual void start() = 0;
    // A click on place `index` of the human's hand once play has started.
    virtual void cardClick(int index) = 0;
    // A click on the card backs of seat `index` (3 is the human's): Uno's draw pile; elsewhere only a
    // sign of whose turn it is, which does nothing.
    virtual void cardBackClick(int) {}
    // Whether the human is to play a card now: his turn, with nothing else waiting. The frame lights
    // his hand row while it is.
    virtual bool humanToPlay() { return false; }
    // Whether a card laid still waits for the draw it makes its victim take (Uno's +2 and +4, drawn
    // a moment later): the turn it passed on is told only after that draw.
    virtual bool drawOwed() { return false; }
    // Whether the human's clicks on his cards set them aside now (a pass before the play) rather
    // than play them: every card he holds, and every card set aside, takes a click then.
    virtual bool humanSettingAside() { return false; }
    // What the human is asked to do now, in a word ("" when nothing is asked beyond his turn): the
    // frame shows it under the table's buttons.
    virtual std::string prompt() { return ""; }
    // Whether a click on place `slot` of the human's hand would be taken now. The frame dims the
    // cards that would not, so a game answers with the very rule its card click applies.
    virtual bool humanMayPlayCard(int slot) {
        (void)slot;
        return true;
    }

    // The table watch: redraws the scoreboard.
    virtual void drawScoreboard() = 0;
    // The scoreboard drawn once the round has closed.
    virtual void drawRoundScoreboard() { drawScoreboard(); }
    // Whether the table watch looks for the end of the round (a game that closes its round itself
    // at the end of the hand says no).
    virtual bool watchesRoundEnd() const { return true; }
    // Whether a row of tablePlayers is one of its table's two finished players.
    virtual bool finishedAtTable(const EntrantRow& row) const = 0;
    // Decides who is out at every table of the closing round, in tablePlayers.
    virtual void qualify() = 0;
    // One step of the round's other tables, at each tick of the game's background timer.
    virtual void backgroundTick() = 0;
    // The background tables have shown their whole hand: the game may mark who is out at each of
    // them and redraw its scoreboard. Games whose background tables mark their losers as they
    // play need nothing here.
    virtual void backgroundHandOver() {}

    // Cards the human has played that the game has yet to take out of his hand (Uno's card on its
    // way to the pile): he has nothing left to do with them.
    virtual int humanCardsOnTheirWay() { return 0; }

    // How the human's own table has left him: 0 while it is still being played, 1 through to the
    // next round, -1 out. In a final the place he took says the rest.
    virtual int humanTableVerdict() { return 0; }
    // "PROSSIMO TURNO": true when the human went out in the round just closed.
    virtual bool humanOutOfRound() = 0;
    // The finishing order at the human's table as its round closes, once the game has said who is
    // out: the place (1..4) of each of the table's four rows of tablePlayers, in row order, as this
    // game ranks a table (see placesAtTable). A final's places are the tournament's own (column 9).
    virtual std::array<int, 4> humanTablePlaces() = 0;
    // Places the four of a final the human played, once it is over.
    virtual void placePlayedFinal() {}
    // Decides a final the human is not in: column 9 of each finalist's row gets its place.
    virtual void decideFinal(const std::vector<EntrantRow*>& finalists) = 0;

    // The standings board of another table: its header, its rows and the game's score columns
    // (up to three texts per row).
    virtual std::string standingsHeader() const = 0;
    virtual std::vector<EntrantRow*> standingsRows(int table) = 0;
    virtual std::vector<std::string> standingsScores(const EntrantRow& row) const = 0;
};

} // namespace velmora
