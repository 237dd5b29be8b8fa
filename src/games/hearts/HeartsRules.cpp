#include "games/hearts/HeartsRules.h"

#include <algorithm>

namespace velmora {

int HeartsRules::value(const Card& card) {
    return card.value.isEmpty() ? 0 : static_cast<int>(card.value.toInt());
}

std::string HeartsRules::suit(const Card& card) {
    return card.value.isEmpty() ? std::string() : card.colour.str();
}

bool HeartsRules::isHeart(const Card& card) {
    return value(card) != 0 && card.colour.is(kHearts);
}

bool HeartsRules::isQueenOfSpades(const Card& card) {
    return value(card) == 12 && card.colour.is(kSpades);
}

bool HeartsRules::isTwoOfClubs(const Card& card) {
    return value(card) == 2 && card.colour.is(kClubs);
}

int HeartsRules::cardPoints(const Card& card) {
    if (isHeart(card)) return 1;
    if (isQueenOfSpades(card)) return 13;
    return 0;
}

int HeartsRules::trickPoints(const std::array<Card, 4>& trick) {
    int points = 0;
    for (const Card& card : trick)
        points += cardPoints(card);
    return points;
}

int HeartsRules::trickWinner(const std::array<Card, 4>& trick, const std::string& ledSuit) {
    int winner = -1;
    int best = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const Card& card = trick[static_cast<size_t>(seat)];
        // Only the suit led can take the trick; a card of another suit never wins, however high.
        if (suit(card) == ledSuit && value(card) > best) {
            best = value(card);
            winner = seat;
        }
    }
    return winner;
}

int HeartsRules::lowestHeart(const std::array<Card, 4>& trick) {
    int lowest = kNoHeart;
    for (const Card& card : trick) {
        if (isHeart(card)) lowest = std::min(lowest, value(card));
    }
    return lowest;
}

bool HeartsRules::breaksHearts(const std::array<Card, 4>& trick) {
    return std::any_of(trick.begin(), trick.end(), [](const Card& card) { return isHeart(card); });
}

int HeartsRules::lowerHeart(int mark, int heart) {
    const bool markTaken = mark >= 2 && mark <= 14;
    const bool heartTaken = heart >= 2 && heart <= 14;
    if (!heartTaken) return mark;
    if (!markTaken) return heart;
    return std::min(mark, heart);
}

int HeartsRules::seatWithTwoOfClubs(const std::array<Hand, 4>& hands) {
    for (int seat = 0; seat < 4; ++seat) {
        for (int i = 0; i < kHeartsHandSlots; ++i) {
            if (isTwoOfClubs(hands[static_cast<size_t>(seat)][static_cast<size_t>(i)])) return seat;
        }
    }
    return -1;
}

int HeartsRules::cardsHeld(const Hand& hand) {
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [](const Card& c) { return value(c) != 0; }));
}

bool HeartsRules::barred(const Hand& hand, int slot, const std::string& ledSuit, bool heartsBroken) {
    const Card& card = hand[static_cast<size_t>(slot)];
    bool holdsTwoOfClubs = false;
    bool allHearts = true;
    bool holdsClub = false;
    bool holdsLedSuit = false;
    int held = 0;
    for (const Card& other : hand) {
        if (value(other) == 0) continue;
        ++held;
        holdsTwoOfClubs = holdsTwoOfClubs || isTwoOfClubs(other);
        allHearts = allHearts && isHeart(other);
        holdsClub = holdsClub || other.colour.is(kClubs);
        holdsLedSuit = holdsLedSuit || (!ledSuit.empty() && other.colour.is(ledSuit));
    }
    // The two of clubs opens the hand, so its holder has no other choice.
    if (holdsTwoOfClubs) return !isTwoOfClubs(card);
    if (held == kHeartsHandSlots) {
        // The first trick carries no points: no queen of spades, no heart unless nothing else is left.
        if (isQueenOfSpades(card)) return true;
        if (isHeart(card) && !allHearts) return true;
        if (holdsClub && !card.colour.is(kClubs)) return true;
        return false;
    }
    if (ledSuit.empty()) return isHeart(card) && !heartsBroken;
    return holdsLedSuit && !card.colour.is(ledSuit);
}

bool HeartsRules::humanMayPlay(const Hand& hand, int slot, const std::string& ledSuit, bool heartsBroken) {
    if (slot < 0 || slot >= kHandSlots || value(hand[static_cast<size_t>(slot)]) == 0) return false;
    if (!barred(hand, slot, ledSuit, heartsBroken)) return true;
    // A hand whose every card is barred (all hearts to lead before hearts are broken; only hearts
    // and the queen of spades on the first trick) would stop the table for good: any card goes.
    for (int i = 0; i < kHandSlots; ++i) {
        if (value(hand[static_cast<size_t>(i)]) != 0 && !barred(hand, i, ledSuit, heartsBroken)) return false;
    }
    return true;
}

} // namespace velmora
