#pragma once

#include "cards/Card.h"

#include <vector>

namespace velmora::test {

// A hand holding the given cards in places 0, 1, ..; every later place is empty.
inline Hand handOf(const std::vector<Card>& cards) {
    Hand hand;
    hand.fill(Card{Value(0), Value(0)});
    for (size_t i = 0; i < cards.size() && i < hand.size(); ++i)
        hand[i] = cards[i];
    return hand;
}

} // namespace velmora::test
