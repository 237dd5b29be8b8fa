#include "games/hearts/HeartsCardChoice.h"

#include "games/hearts/HeartsRules.h"

namespace velmora {

namespace {

int valueAt(const Hand& hand, int slot) {
    return HeartsRules::value(hand[static_cast<size_t>(slot)]);
}

bool isSuit(const Hand& hand, int slot, const std::string& suit) {
    return valueAt(hand, slot) != 0 && hand[static_cast<size_t>(slot)].colour.is(suit);
}

// The first place, in place order, whose card passes the test and beats the candidate so far
// ("beats" being strictly higher or strictly lower as asked).
template <typename Test> int pick(const Hand& hand, Test test, bool highest) {
    int chosen = -1;
    for (int i = 0; i < kHeartsHandSlots; ++i) {
        if (valueAt(hand, i) == 0 || !test(i)) continue;
        if (chosen < 0 ||
            (highest ? valueAt(hand, i) > valueAt(hand, chosen) : valueAt(hand, i) < valueAt(hand, chosen)))
            chosen = i;
    }
    return chosen;
}

} // namespace

int HeartsCardChoice::bestDown(const HeartsTrickView& trick) {
    int best = 0;
    for (const Card& card : trick.trickCards) {
        if (HeartsRules::suit(card) == trick.ledSuit && HeartsRules::value(card) > best)
            best = HeartsRules::value(card);
    }
    return best;
}

int HeartsCardChoice::follow(const Hand& hand, const std::string& ledSuit, int best) {
    // Duck: the highest card that still loses sheds the most danger at no cost.
    int chosen = pick(
        hand, [&](int i) { return isSuit(hand, i, ledSuit) && valueAt(hand, i) < best; }, true);
    if (chosen >= 0) return chosen;
    // Forced to win: do it as cheaply as possible.
    chosen = pick(
        hand, [&](int i) { return isSuit(hand, i, ledSuit) && valueAt(hand, i) > best; }, false);
    if (chosen >= 0) return chosen;
    // Void in the suit led: unload the costliest card first.
    chosen = pick(
        hand, [&](int i) { return HeartsRules::isQueenOfSpades(hand[static_cast<size_t>(i)]); }, true);
    if (chosen >= 0) return chosen;
    chosen = pick(
        hand, [&](int i) { return isSuit(hand, i, kHearts); }, true);
    if (chosen >= 0) return chosen;
    return pick(
        hand, [](int) { return true; }, true);
}

int HeartsCardChoice::lead(const Hand& hand, bool heartsBroken, bool firstTrick) {
    if (firstTrick) {
        const int two = pick(
            hand, [&](int i) { return HeartsRules::isTwoOfClubs(hand[static_cast<size_t>(i)]); }, true);
        if (two >= 0) return two;
    }
    const int chosen = pick(
        hand, [&](int i) { return heartsBroken || !isSuit(hand, i, kHearts); }, false);
    if (chosen >= 0) return chosen;
    // Nothing but hearts before hearts are broken: the seat must still lead something.
    return pick(
        hand, [](int) { return true; }, false);
}

int HeartsCardChoice::choose(const Hand& hand, const HeartsTrickView& trick) {
    if (trick.ledSuit.empty()) return lead(hand, trick.heartsBroken, trick.firstTrick);

    int chosen = follow(hand, trick.ledSuit, bestDown(trick));
    if (trick.ledSuit != kSpades || chosen < 0) return chosen;

    // Keep the queen back while another spade can follow in its place.
    if (HeartsRules::isQueenOfSpades(hand[static_cast<size_t>(chosen)])) {
        const int other = pick(
            hand,
            [&](int i) {
                return isSuit(hand, i, kSpades) &&
                       !HeartsRules::isQueenOfSpades(hand[static_cast<size_t>(i)]);
            },
            true);
        if (other >= 0) chosen = other;
    }
    // Playing last, a king or ace of spades can only take this trick, whose cards are all known.
    int down = 0;
    for (const Card& card : trick.trickCards)
        down += HeartsRules::value(card) != 0 ? 1 : 0;
    if (down == 3) {
        for (int i = 0; i < kHeartsHandSlots; ++i) {
            if (isSuit(hand, i, kSpades) && valueAt(hand, i) >= 13) return i;
        }
    }
    return chosen;
}

} // namespace velmora
