#pragma once

#include "cards/Card.h"

#include <array>
#include <string>

namespace velmora {

// What a seat about to play can see of the trick in progress.
struct HeartsTrickView {
    std::string ledSuit;              // suit of the trick's first card; "" when the seat leads
    std::array<Card, 4> trickCards{}; // the card each seat has down; an empty card for none yet
    bool heartsBroken = false;        // a heart has been played, so hearts may be led
    bool firstTrick = false;          // no trick of the hand has been completed yet
};

// How a computer seat picks its card (places 0..12 of its hand; empty places are skipped). It
// plays to take as few points as it can, without looking ahead. Consumes no draw.
//
// Following: the highest card of the suit led that still loses to the best card down; else the
// lowest card of that suit that wins (it must win the trick anyway, so it spends little); void in
// the suit, it throws the queen of spades, else its highest heart, else its highest card. Unlike
// the human, a computer seat void in clubs may throw the queen or a heart on the first trick.
// Leading: the two of clubs on the first trick; later the lowest card, a heart only once hearts
// are broken (a hand of nothing but hearts leads its lowest heart all the same).
// On a spade trick the queen is kept back when another spade can go in its place, and the seat
// that plays last throws its king or ace of spades, which can then take no worse than this trick.
class HeartsCardChoice {
  public:
    // The place of the card the seat plays, or -1 when its places 0..12 are all empty.
    static int choose(const Hand& hand, const HeartsTrickView& trick);

    // The rule choices before the two spade adjustments.
    static int follow(const Hand& hand, const std::string& ledSuit, int best);
    static int lead(const Hand& hand, bool heartsBroken, bool firstTrick);
    // The highest value of the suit led among the cards down (0 when none).
    static int bestDown(const HeartsTrickView& trick);
};

} // namespace velmora
