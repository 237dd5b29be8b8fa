#pragma once

#include "cards/Card.h"
#include "cards/RandomSequence.h"

namespace velmora {

// Brisolo as our tournament tables play it. The 52-card deck is dealt out, thirteen cards to each
// of the four seats. A manche is one card from every seat in turn, "orario" (0, 1, 2, 3, 0); any
// card may be played at any time, since suits play no part at all. The highest value takes the
// manche whatever its suit, and of equal values the one played later takes it, so the seat that
// plays last weighs most. The winner takes as many points as the values of the four cards add up
// to (2..10 as printed, jack 11, queen 12, king 13, ace 14: a hand shares out 416 points) and
// leads the next manche. After the thirteenth manche the two seats with the fewest points are
// out; on equal points the one with fewer manches won goes out, then the one whose best single
// manche was poorer, and on a full tie the later of the two.
//
// The table scores its manches itself (BrisoloTable, with the frame deciding who takes each one)
// and BrisoloPlaces says who is out; here are the two rules they share with the computer players.
//
// Seats are 0..3 (3 is the human); the seat that leads the first manche is drawn at random.

// Cards each seat is dealt, and so the number of manches in a hand.
constexpr int kBrisoloHandCards = 13;

class BrisoloRules {
  public:
    // A card's points are its value; an empty place is worth 0.
    static int cardPoints(const Card& card);

    // The seat that leads the first manche: a random integer 0..3, so seats 1 and 2 are twice as
    // likely as seats 0 and 3. One draw.
    static int startingSeat(RandomSequence& random);
};

} // namespace velmora
