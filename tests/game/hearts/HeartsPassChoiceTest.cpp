#include "HeartsCards.h"

#include "cards/ForcedDraw.h"
#include "games/hearts/HeartsPassChoice.h"
#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace velmora::test {
namespace {

std::vector<std::string> codesOf(const HeartsPassChoice::ThreeCards& three) {
    std::vector<std::string> out;
    for (const Card& c : three)
        out.push_back(c.value.isEmpty() ? "" : c.code());
    return out;
}

TEST(HeartsPassChoice, TheGivingSeatPassesItsSecondHeartThenTheHighestOfTheBestScoringSuit) {
    struct Case {
        const char* what;
        Hand cards;
        std::vector<std::string> passed;
    };
    const Case cases[] = {
        // Hearts 3, 9, 12: the 9 goes first. Then fiori (2 cards, sum 27, avg 135: 3645+2) beats
        // quadri (4 cards, sum 20: 50 x 20 + 4) and picche (2+5: 35 x 7 + 2), so the ace and the
        // king of clubs go, the second leaving clubs empty.
        {"three hearts",
         hand({"14fiori", "3cuori", "2quadri", "9cuori", "13fiori", "4quadri", "12cuori", "6quadri",
               "8quadri", "2picche", "5picche", "", ""}),
         {"9cuori", "14fiori", "13fiori"}},
        // Two hearts: no heart first. Spades 14, 13, 12 score 130 x 39 + 3; after the ace 125 x
        // 25 + 2 still leads clubs 2..6 (40 x 20 + 5), then 120 x 12 + 1 beats 805 again.
        {"two hearts",
         hand({"2fiori", "3fiori", "4fiori", "5fiori", "6fiori", "14picche", "13picche", "12picche", "2cuori",
               "3cuori", "2quadri", "3quadri", "4quadri"}),
         {"14picche", "13picche", "12picche"}},
        // The same with diamonds 7, 8, 9 (80 x 24 + 3): after two spades the queen (1441) gives way.
        {"a long middling suit",
         hand({"2fiori", "3fiori", "4fiori", "5fiori", "6fiori", "14picche", "13picche", "12picche", "2cuori",
               "3cuori", "7quadri", "8quadri", "9quadri"}),
         {"14picche", "13picche", "9quadri"}},
        // Equal scores: the earlier suit in the order fiori, quadri, picche, cuori wins.
        {"tie goes to clubs", hand({"10quadri", "10fiori", "2picche"}), {"10fiori", "10quadri", "2picche"}},
        // A singleton scoring best is passed and its suit simply drops out of the choice; clubs
        // 2, 3, 4 (30 x 9 + 3) then edge the lone 5 of spades (251) until the 4 has gone (127).
        {"singleton",
         hand({"14quadri", "2fiori", "3fiori", "4fiori", "5picche"}),
         {"14quadri", "4fiori", "5picche"}},
        // Four hearts: the one with exactly one higher heart in hand, wherever it lies.
        {"four hearts",
         hand({"2cuori", "14cuori", "7cuori", "10cuori", "3fiori"}),
         {"10cuori", "14cuori", "7cuori"}},
        {"fewer than three cards", hand({"", "5quadri", "", "9picche"}), {"9picche", "5quadri", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(codesOf(HeartsPassChoice::choose(c.cards)), c.passed);
    }
}

TEST(HeartsPassChoice, SinistraIsDrawnTwiceAsOftenAsEitherOtherDirection) {
    struct Case {
        double fraction;
        const char* direction;
    };
    for (const Case& c : {Case{0.0, "destra"}, Case{0.2499, "destra"}, Case{0.2501, "sinistra"},
                          Case{0.7499, "sinistra"}, Case{0.7501, "davanti"}, Case{0.9999, "davanti"}}) {
        RandomSequence random;
        random.setState(stateForDraw(c.fraction, 1));
        EXPECT_EQ(HeartsPassChoice::drawDirection(random), c.direction) << c.fraction;
    }
    RandomSequence random;
    std::map<std::string, int> seen;
    for (int i = 0; i < 40000; ++i)
        ++seen[HeartsPassChoice::drawDirection(random)];
    EXPECT_NEAR(seen["sinistra"] / 40000.0, 0.5, 0.015);
    EXPECT_NEAR(seen["destra"] / 40000.0, 0.25, 0.015);
    EXPECT_NEAR(seen["davanti"] / 40000.0, 0.25, 0.015);

    EXPECT_EQ(HeartsPassChoice::caption("destra"), "Passa 3 carte a destra");
    EXPECT_EQ(HeartsPassChoice::caption("sinistra"), "Passa 3 carte a sinistra");
    EXPECT_EQ(HeartsPassChoice::caption("davanti"), "Passa 3 carte davanti");
}

// The human sets aside the first three cards of his hand.
HeartsPassChoice::ThreeCards setAside(Hand& human) {
    HeartsPassChoice::ThreeCards three{};
    for (size_t k = 0; k < 3; ++k) {
        three[k] = human[k];
        human[k] = Card{};
    }
    return three;
}

bool holdsCard(const Hand& h, const Card& c) {
    for (int i = 0; i < kHeartsHandSlots; ++i) {
        if (h[static_cast<size_t>(i)] == c) return true;
    }
    return false;
}

TEST(HeartsPassChoice, EveryPassLeavesThirteenDistinctCardsPerSeatAndMovesTheRightCards) {
    for (const char* direction : {"destra", "sinistra", "davanti"}) {
        for (int seed = 0; seed < 200; ++seed) {
            SCOPED_TRACE(std::string(direction) + " seed " + std::to_string(seed));
            RandomSequence random;
            random.setState(static_cast<std::uint64_t>(seed) * 7919);
            std::array<Hand, 4> hands = dealt(random);
            const std::array<Hand, 4> before = hands;
            const auto humanCards = setAside(hands[3]);
            const int giver = HeartsPassChoice::givingSeat(direction);
            const auto expected = HeartsPassChoice::choose(before[static_cast<size_t>(giver)]);

            const auto toHuman = HeartsPassChoice::pass(hands, direction, humanCards, random);

            EXPECT_EQ(codesOf(toHuman), codesOf(expected));
            std::set<std::string> all;
            for (int seat = 0; seat < 4; ++seat) {
                EXPECT_EQ(HeartsRules::cardsHeld(hands[static_cast<size_t>(seat)]), 13) << seat;
                for (int i = kHeartsHandSlots; i < kHandSlots; ++i)
                    EXPECT_TRUE(hands[static_cast<size_t>(seat)][static_cast<size_t>(i)].empty());
                for (const std::string& code : codes(hands[static_cast<size_t>(seat)]))
                    all.insert(code);
            }
            EXPECT_EQ(all.size(), 52u);
            // The human's cards go to the seat the direction names; he gets the giver's three.
            const int receiver = std::string(direction) == "destra"     ? 2
                                 : std::string(direction) == "sinistra" ? 0
                                                                        : 1;
            for (size_t k = 0; k < 3; ++k) {
                EXPECT_TRUE(holdsCard(hands[static_cast<size_t>(receiver)], humanCards[k]));
                EXPECT_TRUE(holdsCard(hands[3], toHuman[k]));
                EXPECT_FALSE(holdsCard(hands[static_cast<size_t>(giver)], toHuman[k]));
            }
            // Every computer seat gave exactly three of its cards away.
            for (int seat = 0; seat < 3; ++seat) {
                int kept = 0;
                for (int i = 0; i < kHeartsHandSlots; ++i)
                    kept += holdsCard(hands[static_cast<size_t>(seat)],
                                      before[static_cast<size_t>(seat)][static_cast<size_t>(i)]);
                EXPECT_EQ(kept, 10) << "seat " << seat;
            }
        }
    }
}

TEST(HeartsPassChoice, AcrossTheHumanAndSeatOneSwapPlaceForPlaceAndSeatsZeroAndTwoSwapToo) {
    RandomSequence random;
    std::array<Hand, 4> hands = dealt(random);
    const std::array<Hand, 4> before = hands;
    const auto humanCards = setAside(hands[3]);
    const auto toHuman = HeartsPassChoice::pass(hands, "davanti", humanCards, random);
    for (size_t k = 0; k < 3; ++k) {
        bool found = false;
        for (size_t i = 0; i < kHeartsHandSlots; ++i) {
            if (before[1][i] == toHuman[k]) {
                EXPECT_EQ(hands[1][i], humanCards[k]) << "pass position " << k;
                found = true;
            }
        }
        EXPECT_TRUE(found);
    }
    // The places seats 0 and 2 give up are the places they take the other's cards into.
    int changed0 = 0, changed2 = 0;
    for (size_t i = 0; i < kHeartsHandSlots; ++i) {
        changed0 += !(hands[0][i] == before[0][i]);
        changed2 += !(hands[2][i] == before[2][i]);
        if (!(hands[0][i] == before[0][i])) {
            EXPECT_TRUE(holdsCard(before[2], hands[0][i]));
        }
        if (!(hands[2][i] == before[2][i])) {
            EXPECT_TRUE(holdsCard(before[0], hands[2][i]));
        }
    }
    EXPECT_EQ(changed0, 3);
    EXPECT_EQ(changed2, 3);
}

TEST(HeartsPassChoice, RandomMovesStopAtWhatTheHandsAllowInsteadOfDrawingForEver) {
    RandomSequence random;
    Hand full = hand({"2fiori", "3fiori", "4fiori", "5fiori", "6fiori", "7fiori", "8fiori", "9fiori",
                      "10fiori", "11fiori", "12fiori", "", "14fiori"});
    Hand giver = hand({"2quadri", "3quadri", "4quadri", "5quadri"});
    HeartsPassChoice::randomPass(giver, full, random); // one free place
    EXPECT_EQ(HeartsRules::cardsHeld(full), 13);
    EXPECT_EQ(HeartsRules::cardsHeld(giver), 3);

    Hand poor = hand({"", "", "9picche"});
    Hand empty{};
    HeartsPassChoice::randomPass(poor, empty, random); // one card to give
    EXPECT_EQ(codes(empty), std::vector<std::string>{"9picche"});

    HeartsPassChoice::placeRandomly(full, {card("2cuori"), card("3cuori"), Card{}}, random);
    EXPECT_EQ(HeartsRules::cardsHeld(full), 13);
}

} // namespace
} // namespace velmora::test
