#pragma once

#include "cards/Card.h"
#include "cards/Decks.h"
#include "cards/RandomSequence.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>
#include <vector>

namespace velmora::test {

// A 52-card deck card from its code: "12picche" is the queen of spades.
inline Card card(const std::string& code) {
    size_t digits = 0;
    while (digits < code.size() && std::isdigit(static_cast<unsigned char>(code[digits])))
        ++digits;
    return Card{Value(std::stoi(code.substr(0, digits))), Value(code.substr(digits))};
}

// A hand holding the cards in places 0, 1, 2 ...; "" leaves a place empty.
inline Hand hand(std::initializer_list<const char*> codes) {
    Hand h{};
    size_t i = 0;
    for (const char* code : codes) {
        if (*code != '\0') h[i] = card(code);
        ++i;
    }
    return h;
}

// The codes of the cards held, in place order.
inline std::vector<std::string> codes(const Hand& h) {
    std::vector<std::string> out;
    for (const Card& c : h) {
        if (!c.value.isEmpty()) out.push_back(c.code());
    }
    return out;
}

// Four hands of thirteen dealt from a deck shuffled with the sequence (places 0..12).
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
