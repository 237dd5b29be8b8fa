#pragma once

#include "cards/Card.h"

#include <array>
#include <string>

namespace velmora {

// Hearts as our tournament tables play it. Four seats (0, 1, 2 computer players, 3 the human) are
// dealt thirteen cards each from the 52-card deck and play a single hand. Before the first trick
// every seat passes three cards: to the right ("destra"), to the left ("sinistra") or across
// ("davanti"), the direction drawn at random with the left twice as likely as each of the others.
// The seat holding the two of clubs leads it; everyone follows suit when able, and the highest
// card of the suit led takes the trick and leads the next. Each heart taken costs a point and the
// queen of spades thirteen, 26 in all. On the first trick nobody may throw the queen of spades,
// nor a heart unless his hand is all hearts; hearts may not be led until one has been played.
// A seat whose every card is barred by these rules may play any card, so a hand can always go on.
// The two players with the fewest points go through; on equal points the one who took the lower
// heart goes through. A player who takes all 26 points ("fa la luna") goes through together with
// one of the players who took none.
//
// Cards are (value, suit): values 2..14 (11 jack, 12 queen, 13 king, 14 ace), suits "picche",
// "cuori", "fiori", "quadri". An empty place holds (0, 0). Hands are scanned from place 0.

constexpr const char* kSpades = "picche";
constexpr const char* kHearts = "cuori";
constexpr const char* kClubs = "fiori";
constexpr const char* kDiamonds = "quadri";

// Places 0..12 of a hand hold the thirteen cards dealt; the rest stay empty all hand long.
constexpr int kHeartsHandSlots = 13;
// Every hand hands out 26 points: thirteen hearts and the queen of spades.
constexpr int kHeartsHandPoints = 26;
// A lowest heart of 20 means no heart taken (the value is above every card).
constexpr int kNoHeart = 20;

// The pure rules of a Hearts hand: card points, the winner of a trick, and which cards the human
// may play.
class HeartsRules {
  public:
    // The card's value 2..14, or 0 for an empty place.
    static int value(const Card& card);
    // The card's suit, or "" for an empty place.
    static std::string suit(const Card& card);
    static bool isHeart(const Card& card);
    static bool isQueenOfSpades(const Card& card);
    static bool isTwoOfClubs(const Card& card);

    // 1 for a heart, 13 for the queen of spades, 0 for any other card or an empty place.
    static int cardPoints(const Card& card);
    // The points of the cards on the table (seats 0..3, empty places count nothing).
    static int trickPoints(const std::array<Card, 4>& trick);
    // The seat whose card is the highest of the suit led, or -1 when no card of that suit is down.
    static int trickWinner(const std::array<Card, 4>& trick, const std::string& ledSuit);
    // The lowest heart among the cards on the table, or kNoHeart when there is none.
    static int lowestHeart(const std::array<Card, 4>& trick);
    // A trick holding a heart opens hearts for leading; the queen of spades alone does not.
    static bool breaksHearts(const std::array<Card, 4>& trick);
    // The lower of two "lowest heart taken" marks; 0 and kNoHeart both mean none taken.
    static int lowerHeart(int mark, int heart);

    // The seat holding the two of clubs (places 0..12), or -1 when none does.
    static int seatWithTwoOfClubs(const std::array<Hand, 4>& hands);
    // The cards held in the whole hand (all 27 places).
    static int cardsHeld(const Hand& hand);

    // Whether the human may play the card in `slot` of his hand. ledSuit is "" when he leads.
    // Holding the two of clubs he may play only it. On the first trick (thirteen cards in hand)
    // the queen of spades is barred, so is a heart unless every card is a heart, and with a club
    // in hand only a club goes. Later a heart may not be led before hearts are broken, and a seat
    // holding the suit led must follow it. When every card is barred, any card goes. An empty
    // place is never playable.
    static bool humanMayPlay(const Hand& hand, int slot, const std::string& ledSuit, bool heartsBroken);

  private:
    // The rules above without the way out for a hand whose every card is barred.
    static bool barred(const Hand& hand, int slot, const std::string& ledSuit, bool heartsBroken);
};

} // namespace velmora
