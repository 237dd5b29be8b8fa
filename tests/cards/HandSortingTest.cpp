#include "cards/HandSorting.h"
#include "support/Hands.h"
#include "cards/Decks.h"
#include "cards/RandomSequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace velmora {
namespace {

Card uno(const std::string& value, const std::string& colour) {
    // Number cards hold a number, actions a word; wild cards are colourless (0).
    const bool number = !value.empty() && value[0] >= '0' && value[0] <= '9';
    return Card{number ? Value(std::stoi(value)) : Value(value), colour.empty() ? Value(0) : Value(colour)};
}

using test::handOf;

std::vector<std::string> shown(const Hand& hand) {
    std::vector<std::string> out;
    for (const Card& c : hand)
        out.push_back(c.empty() ? "-" : c.code());
    while (!out.empty() && out.back() == "-")
        out.pop_back();
    return out;
}

std::vector<std::string> sortedCodes(const Hand& hand) {
    std::vector<std::string> out;
    for (const Card& c : hand) {
        if (!c.empty()) out.push_back(c.code());
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(UnoHandOrder, ColoursThenNumbersThenTheRestThenWildCards) {
    Hand hand = handOf({uno("piu4", ""), uno("3", "blu"), uno("0", "rosso"), uno("5", "rosso"),
                        uno("cambiacolore", ""), uno("piu2", "rosso"), uno("3", "rosso")});
    sortUnoHand(hand);
    EXPECT_EQ(shown(hand), (std::vector<std::string>{"3rosso", "5rosso", "0rosso", "piu2rosso", "3blu",
                                                     "cambiacolore", "piu4"}));
    for (int i = 7; i < kHandSlots; ++i)
        EXPECT_TRUE(hand[i].empty());
}

TEST(UnoHandOrder, ClosesTheGapLeftByAPlayedCardAndKeepsEqualCardsInOrder) {
    // The card in slot 2 has just been played.
    Hand hand = handOf({uno("saltaturno", "verde"), uno("7", "giallo"), Card{Value(0), Value(0)},
                        uno("cambiagiro", "verde"), uno("0", "verde"), uno("2", "verde"), uno("7", "giallo"),
                        uno("piu4", ""), uno("cambiacolore", ""), uno("1", "blu"), uno("piu4", "")});
    hand[6].value = Value("7"); // the same card held as text: still the number 7
    sortUnoHand(hand);
    EXPECT_EQ(shown(hand),
              (std::vector<std::string>{"7giallo", "7giallo", "2verde", "saltaturnoverde", "cambiagiroverde",
                                        "0verde", "1blu", "cambiacolore", "piu4", "piu4"}));
    EXPECT_TRUE(hand[1].value.is("7")) << "equal cards keep their earlier order";
}

TEST(UnoHandOrder, AFullHandOfRandomCardsKeepsEveryCard) {
    RandomSequence random;
    std::vector<Card> deck = buildUnoDeck();
    for (int run = 0; run < 50; ++run) {
        for (int k = 0; k < 200; ++k)
            std::swap(deck[random.upTo(107)], deck[random.upTo(107)]);
        Hand hand = handOf(std::vector<Card>(deck.begin(), deck.begin() + kHandSlots));
        const auto before = sortedCodes(hand);
        sortUnoHand(hand);
        ASSERT_EQ(sortedCodes(hand), before);
        // Colours come in their order and never return once left.
        const std::vector<std::string> order = {"rosso", "giallo", "verde", "blu"};
        int lastColour = 0;
        for (const Card& c : hand) {
            auto at = std::find(order.begin(), order.end(), c.colour.str());
            const int colour = at == order.end() ? 4 : static_cast<int>(at - order.begin());
            ASSERT_GE(colour, lastColour) << c.code();
            lastColour = colour;
        }
    }
}

TEST(FrenchHandOrder, BrisoloSortsByValueOnlyAndIsStable) {
    Hand hand =
        handOf({Card{Value(9), Value("cuori")}, Card{Value(0), Value(0)}, Card{Value(2), Value("fiori")},
                Card{Value(0), Value(0)}, Card{Value(0), Value(0)}, Card{Value(14), Value("picche")},
                Card{Value(2), Value("picche")}, Card{Value(9), Value("quadri")}});
    sortFrenchHand(hand, "Brisolo");
    EXPECT_EQ(shown(hand), (std::vector<std::string>{"2fiori", "2picche", "9cuori", "9quadri", "14picche"}));
}

TEST(FrenchHandOrder, HeartsSortsBySuitThenValue) {
    Hand hand =
        handOf({Card{Value(9), Value("cuori")}, Card{Value(2), Value("cuori")},
                Card{Value(13), Value("picche")}, Card{Value(0), Value(0)}, Card{Value(5), Value("quadri")},
                Card{Value(12), Value("fiori")}, Card{Value(3), Value("fiori")}});
    sortFrenchHand(hand, "Hearts");
    EXPECT_EQ(shown(hand),
              (std::vector<std::string>{"3fiori", "12fiori", "5quadri", "13picche", "2cuori", "9cuori"}));

    // A full deal of 13 in random order.
    std::vector<Card> deck = buildFrenchDeck();
    RandomSequence random;
    for (int k = 0; k < 300; ++k)
        std::swap(deck[random.upTo(51)], deck[random.upTo(51)]);
    Hand dealt = handOf(std::vector<Card>(deck.begin(), deck.begin() + 13));
    const auto before = sortedCodes(dealt);
    sortFrenchHand(dealt, "Hearts");
    EXPECT_EQ(sortedCodes(dealt), before);
    const std::vector<std::string> suits = {"fiori", "quadri", "picche", "cuori"};
    for (int i = 1; i < 13; ++i) {
        const auto s0 = std::find(suits.begin(), suits.end(), dealt[i - 1].colour.str()) - suits.begin();
        const auto s1 = std::find(suits.begin(), suits.end(), dealt[i].colour.str()) - suits.begin();
        EXPECT_TRUE(s0 < s1 || (s0 == s1 && dealt[i - 1].value.num() < dealt[i].value.num())) << i;
    }
}

} // namespace
} // namespace velmora
