#include "BrisoloCards.h"

#include "cards/Decks.h"
#include "games/brisolo/BrisoloCardChoice.h"
#include "games/brisolo/BrisoloRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace velmora::test {
namespace {

constexpr long long A = 100;                                                 // any draw up to 100
const std::vector<int> kFull = {9, 3, 12, 5, 14, 2, 7, 10, 4, 13, 6, 11, 8}; // rank = value - 2
const std::vector<int> kSeven = {9, 3, 12, 5, 14, 2, 7};        // bar 7 + 4 + 82 = 93 with 7 cards left
const std::vector<int> kNine = {9, 3, 12, 5, 14, 2, 7, 10, 11}; // sorted 2 3 5 7 9 10 11 12 14

TEST(BrisoloCardChoice, EveryBranchPlaysItsCardAndTakesItsDrawsInOrder) {
    struct Case {
        const char* why;
        std::vector<int> hand, down;
        int cardsLeft;
        std::vector<Draw> draws;
        int slot;
        long long used;
    };
    const Case cases[] = {
        {"lead: the first lowest", {9, 3, 2, 5, 2}, {}, 5, {{100, 9, A}, {100, 9, A}}, 2, 2},
        {"lead: a random place, redrawn while empty",
         {9, 3, 12, 5, 14},
         {},
         5,
         {{100, 0, 8}, {12, 10, 10}, {12, 7, 7}, {12, 2, 2}},
         2,
         4},
        {"lead: r2 = 1 takes rank 3..5", kFull, {}, 13, {{100, 9, A}, {100, 1, 1}}, 3, 2},
        {"lead: r2 = 0 takes rank 6..8", kFull, {}, 13, {{100, 9, A}, {100, 0, 0}}, 0, 2},
        {"lead: empty places rank below the 10",
         {10, 14, 13, 12, 11, 2},
         {},
         6,
         {{100, 9, A}, {100, 3, 3}},
         0,
         2},
        {"lead: no card ranks 3..5, start again",
         {10, 14, 13, 12, 11, 2},
         {},
         6,
         {{100, 9, A}, {100, 1, 1}, {100, 9, A}, {100, 9, A}},
         5,
         4},
        {"second: under the bar, the card just above", kSeven, {8}, 7, {{100, 92, 92}, {100, 9, A}}, 0, 2},
        {"second: at the bar, the lowest", kSeven, {8}, 7, {{100, 93, 93}}, 5, 1},
        {"second: 6.5 rounds to 6, bar 96", kFull, {8}, 13, {{100, 95, 95}, {100, 9, A}}, 0, 2},
        {"second: bar 96 reached", kFull, {8}, 13, {{100, 96, 96}}, 5, 1},
        {"third: an equal card is not above", kSeven, {12, 3}, 7, {{100, 0, 92}, {100, 9, A}}, 4, 2},
        {"third: nothing above the ace", kSeven, {14, 6}, 7, {{100, 0, 92}, {100, 9, A}}, 5, 2},
        {"passes: the later pick of a pass",
         kSeven,
         {10},
         7,
         {{100, 0, 92}, {100, 0, 8}, {10, 3, 10}, {10, 3, 10}, {10, 0, 2}, {10, 0, 2}},
         4,
         6},
        {"passes: an equal card reaches",
         kSeven,
         {12},
         7,
         {{100, 0, 92}, {100, 0, 8}, {10, 0, 2}, {10, 3, 10}},
         2,
         4},
        {"passes: 100 without a reaching card", {9, 3, 5}, {14}, 3, {{100, 0, 89}, {100, 0, 8}}, 1, 2},
        {"last: nothing reaches, no draw", {2, 5, 3}, {9, 14, 4}, 3, {}, 0, 0},
        {"last: the highest", kSeven, {13, 12, 11}, 7, {{100, 9, A}}, 4, 1},
        {"last: four reaching cards are not many", kSeven, {2, 3, 6}, 7, {{100, 9, A}}, 4, 1},
        {"cheap: target 3, the 5 loses", kNine, {2, 3, 6}, 9, {{100, 9, A}, {2, 0, 0}}, 3, 2},
        {"cheap: target 4", kNine, {2, 3, 6}, 9, {{100, 9, A}, {2, 1, 1}}, 6, 2},
        {"cheap: target 5", kNine, {2, 3, 6}, 9, {{100, 9, A}, {2, 2, 2}}, 0, 2},
        {"cheap: 24 points", kNine, {6, 9, 9}, 9, {{100, 9, A}, {2, 0, 0}}, 3, 2},
        {"not cheap: 25 points", kNine, {7, 9, 9}, 9, {{100, 9, A}}, 4, 1},
        {"cheap: 21 targets match nothing",
         {2, 9, 9, 13, 13, 9, 9, 13, 13, 2},
         {3, 4, 5},
         10,
         {{100, 9, A}},
         3,
         22},
        {"rising: 3, then 5 (which loses)",
         kSeven,
         {13, 2, 2},
         7,
         {{100, 0, 8}, {100, 0, 40}, {100, 41, A}, {100, 0, 40}, {100, 41, A}, {100, 0, 40}, {100, 0, 40}},
         3,
         7},
        {"rising: a second scan",
         {4, 6},
         {5, 5, 5},
         2,
         {{100, 0, 8}, {100, 0, 40}, {100, 0, 40}, {100, 41, A}, {100, 0, 40}},
         0,
         5},
        // Each odd play begins at a draw of exactly 8 and not at 9.
        {"lead: r1 = 8 plays at random", {9, 3, 12, 5, 14}, {}, 5, {{100, 8, 8}, {12, 4, 4}}, 4, 2},
        {"lead: r1 = 9 does not", {9, 3, 12, 5, 14}, {}, 5, {{100, 9, 9}, {100, 9, 9}}, 1, 2},
        {"lead: r2 = 8 plays rank 6..8", kFull, {}, 13, {{100, 9, 9}, {100, 8, 8}}, 0, 2},
        {"lead: r2 = 2 plays rank 6..8", kFull, {}, 13, {{100, 9, 9}, {100, 2, 2}}, 0, 2},
        {"lead: r2 = 9 plays the lowest", kFull, {}, 13, {{100, 9, 9}, {100, 9, 9}}, 5, 2},
        {"second: r' = 8 passes; a draw of 2 picks, 3 skips",
         kSeven,
         {11},
         7,
         {{100, 0, 92}, {100, 8, 8}, {10, 2, 2}, {10, 3, 3}},
         2,
         4},
        {"second: r' = 9 the card just above", kSeven, {11}, 7, {{100, 0, 92}, {100, 9, 9}}, 2, 2},
        {"last: r = 8 scans; 41 picks, 40 skips", {3, 14}, {13, 2, 2}, 2, {{100, 8, 8}, {100, 41, 41}, {100, 40, 40}}, 0, 3},
        {"last: r = 9 the highest", kSeven, {13, 2, 2}, 7, {{100, 9, 9}}, 4, 1},
        {"cheap: five reaching cards are many", kNine, {9, 2, 3}, 9, {{100, 9, A}, {2, 0, 0}}, 3, 2},
    };
    for (const Case& c : cases) {
        RandomSequence random;
        random.setState(stateFor(c.draws));
        const std::uint64_t start = random.state();
        const std::vector<Card> down = brisoloCards(c.down);
        EXPECT_EQ(BrisoloCardChoice(brisoloHand(c.hand), down, c.cardsLeft).choose(random), c.slot) << c.why;
        EXPECT_EQ(drawsBetween(start, random.state()), c.used) << c.why;
    }
    // Cards beyond the first 13 places only in a hand left unpacked: the first card goes.
    Hand stray = brisoloHand({});
    stray[15] = brisoloCard(8);
    RandomSequence random;
    EXPECT_EQ(BrisoloCardChoice(stray, {}, 1).choose(random), 15);
    EXPECT_EQ(BrisoloCardChoice(brisoloHand({}), {}, 1).choose(random), -1);
}

TEST(BrisoloCardChoice, SeededWholeHandsAlwaysPlayACardOfTheHand) {
    const std::vector<Card> deck = buildFrenchDeck();
    RandomSequence random;
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        std::vector<Card> shuffled = deck;
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(seed));
        std::array<Hand, 4> hands;
        int dealIndex = 0;
        dealHands(shuffled, hands, kBrisoloHandCards, dealIndex);
        // Who takes a manche is the table's business; here every seat gets to lead in turn.
        int lead = BrisoloRules::startingSeat(random);
        for (int manche = 0; manche < kBrisoloHandCards; ++manche) {
            std::array<Card, 4> trick{};
            for (int i = 0; i < 4; ++i) {
                Hand& hand = hands[static_cast<size_t>((lead + i) % 4)];
                const int slot = BrisoloCardChoice(hand, trick, kBrisoloHandCards - manche).choose(random);
                // The table passes its trickCards whole, empty places of the seats yet to play included.
                ASSERT_TRUE(slot >= 0 && slot < BrisoloCardChoice::kSlots &&
                            !hand[static_cast<size_t>(slot)].empty())
                    << "seed " << seed;
                trick[static_cast<size_t>((lead + i) % 4)] = hand[static_cast<size_t>(slot)];
                hand[static_cast<size_t>(slot)] = Card{Value(0), Value(0)};
            }
            lead = (lead + 1) % 4;
            // Half the hands are left with their gaps, to try scattered hands too.
            for (Hand& hand : hands) {
                if (seed % 2 == 0)
                    std::stable_partition(hand.begin(), hand.end(),
                                          [](const Card& card) { return !card.empty(); });
            }
        }
        for (const Hand& hand : hands)
            EXPECT_TRUE(std::all_of(hand.begin(), hand.end(), [](const Card& card) { return card.empty(); }))
                << "seed " << seed;
    }
}

} // namespace
} // namespace velmora::test
