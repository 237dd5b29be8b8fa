#pragma once

#include "cards/Card.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// A card of the scratch copy a computer seat scores while it decides its move.
struct ScoredCard {
    Card card;
    double score = 0;
};

// The human's table and the cards in play: seats 0..2 are computer players, seat 3 is the human.
struct TableState {
    int turnSeat = 0;
    int tablePhase = 0; // step of the game's table driver
    int handOver = 0;   // 1 once the table's current step is complete
    int humanFinished = 0;
    std::array<Card, 4> trickCards{};
    std::string trickWinner = "-1";
    // The last trick (a manche at Brisolo) taken at the human's table: the pictures of the four
    // cards by seat and the seat that took it (-1 before the first of the hand), so the table can
    // show who took it; and how many tricks each seat has taken in the hand.
    std::array<std::string, 4> lastTrickPictures{};
    int lastTrickWinner = -1;
    std::array<int, 4> tricksWon{};
    int backgroundStep = 0;
    std::array<int, 128> leadSeats{}; // the seat that leads each background table

    std::vector<Card> unoDeck = std::vector<Card>(108);
    std::vector<Card> deck = std::vector<Card>(52);
    int deckTop = 0;
    int dealIndex = 0;
    std::array<Hand, 4> seatHand{}; // seatHand0 .. seatHand3
    std::array<ScoredCard, kHandSlots> workHand{};
};

} // namespace velmora
