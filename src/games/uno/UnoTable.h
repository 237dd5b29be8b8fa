#pragma once

#include "cards/Card.h"

#include <string>
#include <vector>

namespace velmora {

class GameContext;

// The Uno table: set-up, the human's moves and the routines the computer seats share.
//
// The deck is a ring of 108 places. dealIndex is the next card drawn; deckReturnIndex is where the
// next card a computer seat plays is written back, so the cards still to be drawn are the places
// from dealIndex up to deckReturnIndex. The first card turned up, the human's cards and cards
// drawn into a full hand leave that ring (unoOutOfPlay) until a dry deck takes them back.
class UnoTable {
  public:
    explicit UnoTable(GameContext& form) : f(form) {}

    void setUp();
    // The human plays the card of a hand place, when the rules let him.
    void cardClick(int index);
    // Whether the human is to choose a card now: his turn, no driver running, no colour waiting.
    bool humanToPlay();
    // Whether the card in place `index` of his hand may go on the pile now; the click plays it
    // exactly when this says yes, and the table dims it when this says no.
    bool humanMayPlaySlot(int index);
    // Colour chosen after the human's wild card: 0 blu, 1 giallo, 2 rosso, 3 verde.
    void Label48_Click(int index);
    // Click on a card back; item 3 is the human's draw pile.
    void Image10_Click(int index);
    void Label44_Click();
    // The human's card takes effect, one step per tick.
    void Timer4_Timer();
    // Seat drawSeat draws drawCount cards.
    void drawCards();
    void refreshCardCounts();
    // Tells the table of a card a seat has laid on the pile, with the colour a wild card chose.
    void tellLaid(int seat, const Card& card);
    // Tells the table that the play goes round the other way.
    void tellDirection();
    // Moves turnSeat past seats that have finished.
    void stepTurn();
    // Moves drawSeat past seats that have finished (turnSeat giving way when they meet), then the
    // turn marker to turnSeat.
    void stepDrawSeat();
    void drawScoreboard();
    // A seat has finished when its card-count label shows 0.
    bool seatFinished(int seat);
    // The seats that have emptied their hands at this table, in the order they did.
    const std::vector<int>& emptiedSeats() const { return m_emptied; }

    // The colour in force, as the colour indicator shows it.
    std::string currentColour();
    void setCurrentColour(const std::string& colour);
    // Cards left to draw before the deck runs dry.
    int cardsToDraw() const;
    // The finish check of the table frame, with the window disabled around it.
    void finishCheck();

    static constexpr int kDeckSize = 108;
    // The scoreboard's header (Label38 item 11) over its columns.
    static std::string boardHeader();

    // True while a wild card of the human waits for its colour.
    bool colourChoicePending();
    // True from a +2 or +4 laid until its victim has drawn.
    bool drawOwed();

  private:
    // True while the human may act: his turn, no driver running, the table not over.
    bool humanMayAct();
    // The human's card leaves his hand (place playSlot) for the pile.
    void takeHumanCard();
    // Computer seats move again.
    void resumeComputers();
    void showHumanCard(int picture, const Card& card);
    // Puts the cards that left play back into the ring; called when it is dry.
    void refillDeck();

    GameContext& f;
    std::vector<int> m_emptied;
};

} // namespace velmora
