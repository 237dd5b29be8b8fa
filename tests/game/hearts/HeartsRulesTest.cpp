#include "HeartsCards.h"

#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(HeartsRules, TricksScoreHeartsAndTheQueenAndGoToTheHighestCardOfTheSuitLed) {
    struct Case {
        const char* cards;
        std::string led;
        int winner, points, lowest;
        bool breaks;
    };
    const Case cases[] = {
        {"2fiori 14fiori 10fiori 13fiori", "fiori", 1, 0, kNoHeart, false},
        {"5fiori 14cuori 3fiori 12picche", "fiori", 0, 14, 14, true}, // the ace of hearts cannot win
        {"9quadri 12picche 11quadri 2quadri", "quadri", 2, 13, kNoHeart, false}, // the queen alone
        {"4cuori 9cuori 2cuori 13cuori", "cuori", 3, 4, 2, true},
        {"- - 7picche -", "picche", 2, 0, kNoHeart, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cards);
        const Hand h = hand(c.cards);
        const std::array<Card, 4> trick{h[0], h[1], h[2], h[3]};
        EXPECT_EQ(HeartsRules::trickWinner(trick, c.led), c.winner);
        EXPECT_EQ(HeartsRules::trickPoints(trick), c.points);
        EXPECT_EQ(HeartsRules::lowestHeart(trick), c.lowest);
        EXPECT_EQ(HeartsRules::breaksHearts(trick), c.breaks);
    }
}

TEST(HeartsRules, TheHumanMayPlayOnlyWhatTheRulesAllowAndAnythingWhenEverythingIsBarred) {
    // First-trick hands hold thirteen cards: the ones named, then diamonds from the 2 up.
    const std::string diamonds = " 2quadri 3quadri 4quadri 5quadri 6quadri 7quadri 8quadri 9quadri 10quadri";
    const std::string hearts =
        "2cuori 3cuori 4cuori 5cuori 6cuori 7cuori 8cuori 9cuori 10cuori 11cuori 13cuori 14cuori";
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    struct Case {
        std::string cards, led;
        bool broken;
        std::vector<int> playable;
    };
    const Case cases[] = {
        {"5fiori 12picche 2fiori 11quadri" + diamonds, "", false, {2}}, // the two of clubs opens
        {"5fiori 12picche 3cuori 14fiori" + diamonds, "fiori", false, {0, 3}},
        {"5picche 12picche 3cuori 11quadri" + diamonds, "fiori", false, {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {hearts + " 12cuori", "fiori", false, all},
        {hearts + " 12picche", "fiori", false, all}, // every card barred on the first trick: any goes
        {"3cuori 9quadri - 5picche 12picche", "picche", false, {3, 4}},
        {"3cuori 9quadri 12picche", "fiori", false, {0, 1, 2}},
        {"3cuori 9quadri 12picche", "", false, {1, 2}},
        {"3cuori 9quadri", "", true, {0, 1}},
        {"3cuori - 9cuori", "", false, {0, 2}}, // only hearts to lead before they are broken: any goes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cards + " led " + c.led);
        const Hand h = hand(c.cards);
        std::vector<int> playable;
        for (int slot = -1; slot <= kHandSlots; ++slot) {
            if (HeartsRules::humanMayPlay(h, slot, c.led, c.broken)) playable.push_back(slot);
        }
        EXPECT_EQ(playable, c.playable);
    }
}

} // namespace
} // namespace velmora::test
