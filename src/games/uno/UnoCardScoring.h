#pragma once

#include "cards/Card.h"

#include <array>
#include <string>

namespace velmora {

// How a computer seat rates the cards of its hand against the pile; the lowest score is played.
//
// Stage A rewards a card for fitting the pile: matching the value of a number (14) or of an
// action card (6), matching the colour (30), or being a wild card (100); on a wild card only the
// colour in force counts (30). A card that fits nowhere keeps 0 and cannot be played.
// Stage B, when the next seat is down to one or two cards, lowers the cards that hurt it: a
// "piu4" by 100 / n, a "piu2" of the pile's colour by 60 / n, a "saltaturno" or "cambiagiro" of
// the pile's colour by 40 / n (n the next seat's cards); a result of exactly 0 becomes -1 so the
// card is not taken for unplayable.
// Stage C marks unplayable cards with -2000 and lowers every other card by the weight of the rest
// of the hand (2 per number 1..9, 11 per action card, 14 per wild card; zeros and the card itself
// not counted). Since a card's own weight is left out, the costlier the card, the higher its
// score: a seat keeps its action and wild cards for later and sheds numbers first.
class UnoCardScoring {
  public:
    using Scores = std::array<double, kHandSlots>;

    static constexpr double kUnplayable = -2000;

    // top: the card on the pile; colourInForce: the colour shown by the colour indicator;
    // nextSeatCards: the cards of the seat that plays next.
    UnoCardScoring(Card top, std::string colourInForce, int nextSeatCards);

    // Stage A for one card.
    double fit(const Card& card) const;
    // Stage B applied to a stage-A score.
    double threat(const Card& card, double score) const;
    // The three stages for every place of the hand; empty places score 0.
    Scores score(const Hand& hand) const;

    // The weight a card adds to the others' scores (stage C).
    static int weight(const Card& card);
    // The place to play: the candidate with the lowest rounded score, the lowest place on equal
    // scores; -1 when there is none. Wild cards are always candidates; any other card is one
    // unless it is unplayable or an empty place.
    static int choose(const Hand& hand, const Scores& scores);
    // The colour named after a wild card: the colour most held (zeros and wild cards not counted),
    // giallo, verde, blu, rosso first on equal counts; giallo when none is held.
    static std::string chooseColour(const Hand& hand);

  private:
    Card m_top;
    std::string m_colourInForce;
    int m_nextSeatCards;
};

} // namespace velmora
