#include "HeartsCards.h"

#include "games/hearts/HeartsPassChoice.h"
#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace velmora::test {
namespace {

using Three = HeartsPassChoice::ThreeCards;

std::vector<std::string> codesOf(const Three& three) {
    return {three[0].code(), three[1].code(), three[2].code()};
}

bool holds(const Hand& h, const Card& c) {
    return std::find(h.begin(), h.begin() + 13, c) != h.begin() + 13;
}

TEST(HeartsPassChoice, TheGivingSeatPassesItsSecondHeartThenTheHighestOfTheBestScoringSuit) {
    struct Case {
        Hand cards;
        std::vector<std::string> passed;
    };
    const Case cases[] = {
        // Hearts 3, 9, 12: the 9 first. Clubs 14, 13 (135 x 27 + 2) then outscore everything.
        {hand("14fiori 3cuori 2quadri 9cuori 13fiori 4quadri 12cuori 6quadri 8quadri 2picche 5picche"),
         {"9cuori", "14fiori", "13fiori"}},
        // Two hearts: no heart first. After the ace and king of spades the queen (120 x 12 + 1)
        // gives way to the diamonds 7, 8, 9 (80 x 24 + 3).
        {hand("2fiori 3fiori 4fiori 5fiori 6fiori 14picche 13picche 12picche 2cuori 3cuori 7quadri 8quadri "
              "9quadri"),
         {"14picche", "13picche", "9quadri"}},
        // Equal scores go to the earlier suit of fiori, quadri, picche, cuori.
        {hand("10quadri 10fiori 2picche"), {"10fiori", "10quadri", "2picche"}},
        // A best-scoring singleton goes and its suit drops out; clubs 2..4 (273) edge the 5 of
        // spades (251) until the 4 has gone.
        {hand("14quadri 2fiori 3fiori 4fiori 5picche"), {"14quadri", "4fiori", "5picche"}},
        {hand("2cuori 14cuori 7cuori 10cuori 3fiori"), {"10cuori", "14cuori", "7cuori"}},
        {hand("- 5quadri - 9picche"), {"9picche", "5quadri", "0"}}, // fewer than three cards
    };
    for (const Case& c : cases)
        EXPECT_EQ(codesOf(HeartsPassChoice::choose(c.cards)), c.passed);
}

TEST(HeartsPassChoice, SinistraIsDrawnTwiceAsOftenAsEitherOtherDirection) {
    RandomSequence random;
    std::map<std::string, int> seen;
    for (int i = 0; i < 40000; ++i)
        ++seen[HeartsPassChoice::drawDirection(random)];
    EXPECT_NEAR(seen["sinistra"] / 40000.0, 0.5, 0.015);
    EXPECT_NEAR(seen["destra"] / 40000.0, 0.25, 0.015);
    EXPECT_NEAR(seen["davanti"] / 40000.0, 0.25, 0.015);
    EXPECT_EQ(HeartsPassChoice::caption("davanti"), "Passa 3 carte davanti");
}

TEST(HeartsPassChoice, EverySeatPassesThreeAndEndsWithThirteenOfTheFiftyTwoCards) {
    for (const std::string direction : {"destra", "sinistra", "davanti"}) {
        for (int seed = 0; seed < 200; ++seed) {
            SCOPED_TRACE(direction + " " + std::to_string(seed));
            RandomSequence random;
            random.setState(static_cast<std::uint64_t>(seed) * 7919);
            std::array<Hand, 4> hands = dealt(random);
            const std::array<Hand, 4> before = hands;
            const Three humanCards{hands[3][0], hands[3][1], hands[3][2]};
            hands[3][0] = hands[3][1] = hands[3][2] = Card{};
            const int giver = HeartsPassChoice::givingSeat(direction);

            const Three toHuman = HeartsPassChoice::pass(hands, direction, humanCards, random);

            EXPECT_EQ(codesOf(toHuman),
                      codesOf(HeartsPassChoice::choose(before[static_cast<size_t>(giver)])));
            std::set<std::string> all;
            for (int seat = 0; seat < 4; ++seat) {
                const Hand& h = hands[static_cast<size_t>(seat)];
                EXPECT_EQ(HeartsRules::cardsHeld(h), 13) << seat;
                int kept = 0;
                for (size_t i = 0; i < 13; ++i) {
                    all.insert(h[i].code());
                    kept += holds(h, before[static_cast<size_t>(seat)][i]);
                }
                EXPECT_EQ(kept, 10) << "seat " << seat << " gave three away";
            }
            EXPECT_EQ(all.size(), 52u);
            const int receiver = direction == "destra" ? 2 : direction == "sinistra" ? 0 : 1;
            for (size_t k = 0; k < 3; ++k) {
                EXPECT_TRUE(holds(hands[static_cast<size_t>(receiver)], humanCards[k]));
                EXPECT_TRUE(holds(hands[3], toHuman[k]));
                if (direction != "davanti") continue;
                // Across, the human's cards land in the very places seat 1's cards left, and seats
                // 0 and 2 trade place for place.
                for (size_t i = 0; i < 13; ++i) {
                    if (before[1][i] == toHuman[k]) {
                        EXPECT_EQ(hands[1][i], humanCards[k]);
                    }
                    if (!(hands[0][i] == before[0][i])) {
                        EXPECT_TRUE(holds(before[2], hands[0][i]));
                    }
                }
            }
        }
    }
}

TEST(HeartsPassChoice, RandomMovesStopAtWhatTheHandsAllowInsteadOfDrawingForEver) {
    RandomSequence random;
    Hand full =
        hand("2fiori 3fiori 4fiori 5fiori 6fiori 7fiori 8fiori 9fiori 10fiori 11fiori 12fiori - 14fiori");
    Hand giver = hand("2quadri 3quadri 4quadri 5quadri");
    HeartsPassChoice::randomPass(giver, full, random); // one free place
    EXPECT_EQ(HeartsRules::cardsHeld(full), 13);
    EXPECT_EQ(HeartsRules::cardsHeld(giver), 3);
    HeartsPassChoice::placeRandomly(full, {card("2cuori"), card("3cuori"), Card{}}, random);
    EXPECT_EQ(HeartsRules::cardsHeld(full), 13);
}

} // namespace
} // namespace velmora::test
