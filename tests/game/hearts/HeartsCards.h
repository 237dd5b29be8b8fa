#pragma once

#include "cards/Card.h"
#include "cards/Decks.h"
#include "cards/RandomSequence.h"

#include <sstream>
#include <string>

namespace velmora::test {

// A card from its code: "12picche" is the queen of spades; "" is an empty place.
inline Card card(const std::string& code) {
    if (code.empty()) return Card{};
    const size_t digits = code.find_first_not_of("0123456789");
    return Card{Value(std::stoi(code.substr(0, digits))), Value(code.substr(digits))};
}

// A hand holding the cards in places 0, 1, 2 ...: codes apart by blanks, "-" for an empty place.
inline Hand hand(const std::string& codes) {
    Hand h{};
    std::istringstream in(codes);
    size_t i = 0;
    for (std::string code; in >> code; ++i)
        h[i] = code == "-" ? Card{} : card(code);
    return h;
}

// Four hands of thirteen dealt from a deck shuffled with the sequence.
inline std::array<Hand, 4> dealt(RandomSequence& random) {
    std::vector<Card> deck = buildFrenchDeck();
    for (size_t i = deck.size() - 1; i > 0; --i)
        std::swap(deck[i], deck[static_cast<size_t>(random.upTo(static_cast<double>(i)))]);
    std::array<Hand, 4> hands{};
    int dealIndex = 0;
    dealHands(deck, hands, 13, dealIndex);
    return hands;
}

} // namespace velmora::test
