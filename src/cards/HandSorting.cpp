#include "cards/HandSorting.h"

#include <vector>

namespace velmora {

namespace {

const char* const kUnoColours[] = {"rosso", "giallo", "verde", "blu"};
const char* const kHeartsSuits[] = {"fiori", "quadri", "picche", "cuori"};

const Card kEmpty{Value(0), Value(0)};

// Moves each card one place down over a single free slot before it.
void compactOnce(Hand& hand, bool byValueOnly) {
    for (int i = 0; i + 1 < kHandSlots; ++i) {
        const Card& slot = hand[static_cast<size_t>(i)];
        if (byValueOnly ? slot.value.isEmpty() : slot.empty()) {
            hand[static_cast<size_t>(i)] = hand[static_cast<size_t>(i + 1)];
            hand[static_cast<size_t>(i + 1)] = kEmpty;
        }
    }
}

// Rebuilds a hand from slot 0 out of the cards taken in order from scratch. Cards the order does not
// place are kept at the end, so sorting can never lose one.
class HandBuilder {
  public:
    explicit HandBuilder(const Hand& scratch) : m_scratch(scratch) {
        for (size_t i = 0; i < m_scratch.size(); ++i)
            m_taken[i] = m_scratch[i].empty();
    }

    // Takes, in slot order, every card not yet taken that matches.
    template <class Match> void take(Match match) {
        for (size_t i = 0; i < m_scratch.size(); ++i) {
            if (!m_taken[i] && match(m_scratch[i])) {
                m_taken[i] = true;
                m_cards.push_back(m_scratch[i]);
            }
        }
    }

    Hand finish() {
        take([](const Card&) { return true; });
        Hand hand;
        hand.fill(kEmpty);
        for (size_t i = 0; i < m_cards.size(); ++i)
            hand[i] = m_cards[i];
        return hand;
    }

  private:
    const Hand& m_scratch;
    std::array<bool, kHandSlots> m_taken{};
    std::vector<Card> m_cards;
};

bool isNumber(const Card& card, int number) {
    // An action word reads as 0 as a number, so it never matches 1..9.
    return card.value.num() == number && !card.value.isEmpty();
}

} // namespace

void sortUnoHand(Hand& hand) {
    // Sorting follows every single change of the hand, so at most one free slot sits among the
    // cards and one pass closes it.
    compactOnce(hand, false);
    const Hand scratch = hand;
    HandBuilder builder(scratch);
    for (const char* colour : kUnoColours) {
        for (int v = 1; v <= 9; ++v) {
            builder.take([&](const Card& c) { return c.colour.is(colour) && isNumber(c, v); });
        }
        // The 0 and the action cards of the colour keep the order they had.
        builder.take([&](const Card& c) { return c.colour.is(colour); });
    }
    builder.take([](const Card& c) { return c.value.is("cambiacolore"); });
    builder.take([](const Card& c) { return c.value.is("piu4"); });
    hand = builder.finish();
}

void sortFrenchHand(Hand& hand, const std::string& game) {
    for (int pass = 0; pass < kHandSlots; ++pass)
        compactOnce(hand, true);
    const Hand scratch = hand;
    HandBuilder builder(scratch);
    if (game == "Brisolo") {
        // Brisolo is won on card values alone, so the hand is ordered by value; equal values keep
        // their order.
        for (int v = 2; v <= 14; ++v)
            builder.take([&](const Card& c) { return c.value.num() == v; });
    } else if (game == "Hearts") {
        for (const char* suit : kHeartsSuits) {
            for (int v = 2; v <= 14; ++v) {
                builder.take([&](const Card& c) { return c.colour.is(suit) && c.value.num() == v; });
            }
        }
    }
    hand = builder.finish();
}

} // namespace velmora
