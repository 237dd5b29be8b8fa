#pragma once

#include "cards/Card.h"
#include "cards/RandomSequence.h"

#include <array>
#include <span>

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
// Seats are 0..3 (3 is the human); the seat that leads the first manche is drawn at random.

// Cards each seat is dealt, and so the number of manches in a hand.
constexpr int kBrisoloHandCards = 13;

// One seat's scores of the round, as the table's entrant rows keep them: cards left ("Ca"),
// points ("Pu"), manches won ("Ma"), the number of the last manche won and the richest single
// manche ("MP").
struct BrisoloScore {
    int cards = kBrisoloHandCards;
    int points = 0;
    int manches = 0;
    // 1..13; 0 while the seat has won nothing.
    int lastManche = 0;
    int bestManche = 0;

    bool operator==(const BrisoloScore& other) const = default;
};

using BrisoloSeats = std::array<BrisoloScore, 4>;

// The pure rules of a Brisolo table: what a manche is worth, who takes it, and who is out.
class BrisoloRules {
  public:
    // A card's points are its value; an empty place is worth 0.
    static int cardPoints(const Card& card);
    // The points a manche is worth: the values of the cards down so far added up (empty places 0).
    static int manchePoints(std::span<const Card> cards);
    // The index, in play order, of the card that takes the manche: the highest value, the later
    // of equal values. Empty places never win; -1 when every place is empty.
    static int mancheWinner(std::span<const Card> inPlayOrder);
    // The seat that takes a complete manche, given the cards by seat and the seat that led it.
    static int winnerSeat(const std::array<Card, 4>& trickCards, int leadSeat);

    // Books a manche worth `points` won by `winnerSeat`: every seat holds one card fewer; the
    // winner adds the points and the manche, records its number and keeps the richest manche.
    static void scoreManche(BrisoloSeats& seats, int winnerSeat, int points);

    // True when seat score `a` should go out before `b`: fewer points, then fewer manches, then a
    // poorer best manche. A full tie also counts, so the later of two equal seats goes out.
    static bool goesOutBefore(const BrisoloScore& a, const BrisoloScore& b);
    // The seat to put out next among those not yet out; -1 when all four are out.
    static int nextOut(const BrisoloSeats& seats, const std::array<bool, 4>& alreadyOut);
    // The two seats that are out at the end of the hand, in the order they are chosen.
    static std::array<int, 2> twoOut(const BrisoloSeats& seats);

    // The seat that leads the first manche: a random integer 0..3, so seats 1 and 2 are twice as
    // likely as seats 0 and 3. One draw.
    static int startingSeat(RandomSequence& random);
    // Moves the cards of a hand into its first places, keeping their order; the gaps go to the end.
    static void packHand(Hand& hand);
};

} // namespace velmora
