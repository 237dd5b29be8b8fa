#pragma once

#include "cards/Card.h"

#include <array>
#include <string>

namespace velmora {

class RandomSequence;

// The pass of three cards before the first trick. The seat that passes to the human chooses its
// cards; the other computer seats pass three cards picked at random.
//
// Directions: "destra" (each seat to the seat numbered one lower, seat 0 to the human), "sinistra"
// (each seat to the seat numbered one higher, the human to seat 0) and "davanti" (across: seat 1
// and the human swap, and so do seats 0 and 2). Only places 0..12 of a hand are used.
class HeartsPassChoice {
  public:
    using ThreeCards = std::array<Card, 3>;

    // Draws the direction: one draw, 0 "destra", 1 "sinistra", 2 "davanti"; the ends of a random
    // integer 0..2 come up half as often, so "sinistra" is twice as likely as each of the others.
    static std::string drawDirection(RandomSequence& random);
    // The pass button's text for a direction ("Passa 3 carte a destra" ...).
    static std::string caption(const std::string& direction);
    // The seat that passes to the human: 0 for "destra", 1 for "davanti", 2 for "sinistra".
    static int givingSeat(const std::string& direction);

    // The three cards a computer seat gives away, in pass order. With three hearts or more it
    // first gives its second-highest heart, thinning its high hearts without parting with the
    // top one. Then, one card at a time, the highest card of the suit that scores
    // most (ten times the suit's average value times the suit's total, plus its count): long,
    // high suits are the ones that collect tricks. Suits are weighed in the order fiori, quadri,
    // picche, cuori, the earlier winning a tie. Consumes no draw.
    static ThreeCards choose(const Hand& hand);

    // Moves three random cards from one computer seat to another: draws a receiving place, then a
    // giving place (each a random integer 0..12) until the first is empty and the second holds a
    // card, three times. Moves fewer when the receiver has fewer free places or the giver fewer
    // cards, rather than drawing for ever.
    static void randomPass(Hand& from, Hand& to, RandomSequence& random);
    // Puts the cards into random empty places 0..12 of the hand, in order: draws a place (a random
    // integer 0..12) until it is empty, for each card. Empty cards are skipped.
    static void placeRandomly(Hand& hand, const ThreeCards& cards, RandomSequence& random);
    // Empties every place 0..12 holding one of the cards.
    static void removeCards(Hand& hand, const ThreeCards& cards);
    // Seats 0 and 2 swap three random cards place for place: three distinct held places of seat 0
    // are drawn, then three of seat 2 (each a random integer 0..12, drawn again when empty or
    // already taken), and the cards change hands in the places they leave.
    static void swapAcross(Hand& seat0, Hand& seat2, RandomSequence& random);

    // The whole pass. `humanCards` are the three cards the human set aside (already taken out of
    // hands[3]). Returns the cards the giving seat passes to the human, which fill the first empty
    // places 0..12 of his hand. Then, in this order:
    //   "destra":   seat 0 loses its three; seat 0 takes three from seat 1, seat 1 three from
    //               seat 2 (random passes); the human's three go to random places of seat 2.
    //   "sinistra": seat 2 loses its three; seat 2 takes three from seat 1, seat 1 three from
    //               seat 0; the human's three go to random places of seat 0.
    //   "davanti":  seat 1's places holding its three receive the human's cards of the same pass
    //               position; then seats 0 and 2 swap three (swapAcross).
    static ThreeCards pass(std::array<Hand, 4>& hands, const std::string& direction,
                           const ThreeCards& humanCards, RandomSequence& random);
};

} // namespace velmora
