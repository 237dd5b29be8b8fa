#include "HeartsCards.h"

#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

std::array<Card, 4> trick(std::initializer_list<const char*> codes) {
    std::array<Card, 4> t{};
    size_t i = 0;
    for (const char* code : codes) {
        if (*code != '\0') t[i] = card(code);
        ++i;
    }
    return t;
}

TEST(HeartsRules, TricksScoreHeartsAndTheQueenAndGoToTheHighestCardOfTheSuitLed) {
    struct Case {
        std::array<Card, 4> cards;
        std::string led;
        int winner, points, lowest;
        bool breaks;
    };
    const Case cases[] = {
        {trick({"2fiori", "14fiori", "10fiori", "13fiori"}), "fiori", 1, 0, kNoHeart, false},
        // The ace of hearts thrown on a club trick does not take it.
        {trick({"5fiori", "14cuori", "3fiori", "12picche"}), "fiori", 0, 14, 14, true},
        // The queen alone is 13 points and leaves hearts closed.
        {trick({"9quadri", "12picche", "11quadri", "2quadri"}), "quadri", 2, 13, kNoHeart, false},
        {trick({"4cuori", "9cuori", "2cuori", "13cuori"}), "cuori", 3, 4, 2, true},
        {trick({"", "", "7picche", ""}), "picche", 2, 0, kNoHeart, false},
        {trick({"3cuori", "", "", ""}), "picche", -1, 1, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cards[0].code() + " " + c.led);
        EXPECT_EQ(HeartsRules::trickWinner(c.cards, c.led), c.winner);
        EXPECT_EQ(HeartsRules::trickPoints(c.cards), c.points);
        EXPECT_EQ(HeartsRules::lowestHeart(c.cards), c.lowest);
        EXPECT_EQ(HeartsRules::breaksHearts(c.cards), c.breaks);
    }
}

TEST(HeartsRules, TheLowestHeartMarkTreatsZeroAndTwentyAsNoneTaken) {
    EXPECT_EQ(HeartsRules::lowerHeart(0, 9), 9);
    EXPECT_EQ(HeartsRules::lowerHeart(kNoHeart, 9), 9);
    EXPECT_EQ(HeartsRules::lowerHeart(4, 9), 4);
    EXPECT_EQ(HeartsRules::lowerHeart(9, 4), 4);
    EXPECT_EQ(HeartsRules::lowerHeart(9, kNoHeart), 9);
    EXPECT_EQ(HeartsRules::lowerHeart(0, 0), 0);
}

TEST(HeartsRules, TheSeatHoldingTheTwoOfClubsIsFoundInPlacesZeroToTwelve) {
    std::array<Hand, 4> hands{};
    hands[0] = hand({"3fiori"});
    hands[2] = hand({"14cuori", "", "2quadri", "2fiori"});
    EXPECT_EQ(HeartsRules::seatWithTwoOfClubs(hands), 2);
    hands[2][3] = Card{};
    hands[1][13] = card("2fiori"); // beyond the dealt places
    EXPECT_EQ(HeartsRules::seatWithTwoOfClubs(hands), -1);
}

// Thirteen cards make the first trick; "" places keep the hand's places honest.
const Hand kFirstTrickWithClubs =
    hand({"5fiori", "12picche", "3cuori", "9quadri", "14fiori", "2picche", "4cuori", "6quadri", "7quadri",
          "8quadri", "10quadri", "11quadri", "13quadri"});
const Hand kFirstTrickNoClubs =
    hand({"5picche", "12picche", "3cuori", "9quadri", "14picche", "2picche", "4cuori", "6quadri", "7quadri",
          "8quadri", "10quadri", "11quadri", "13quadri"});
const Hand kFirstTrickHeartsAndQueen =
    hand({"2cuori", "3cuori", "4cuori", "5cuori", "6cuori", "7cuori", "8cuori", "9cuori", "10cuori",
          "11cuori", "13cuori", "14cuori", "12picche"});
const Hand kFirstTrickAllHearts = hand({"2cuori", "3cuori", "4cuori", "5cuori", "6cuori", "7cuori", "8cuori",
                                        "9cuori", "10cuori", "11cuori", "12cuori", "13cuori", "14cuori"});
const Hand kHoldsTwoOfClubs = hand({"5fiori", "12picche", "3cuori", "9quadri", "2fiori", "2picche", "4cuori",
                                    "6quadri", "7quadri", "8quadri", "10quadri", "11quadri", "13quadri"});

TEST(HeartsRules, TheHumanMayPlayOnlyWhatTheRulesAllow) {
    struct Case {
        const char* what;
        Hand cards;
        std::string led;
        bool broken;
        std::vector<int> playable; // places accepted, in order
    };
    const Case cases[] = {
        {"the two of clubs opens the hand", kHoldsTwoOfClubs, "", false, {4}},
        {"first trick, holding clubs: clubs only", kFirstTrickWithClubs, "fiori", false, {0, 4}},
        {"first trick, no clubs: no queen, no heart",
         kFirstTrickNoClubs,
         "fiori",
         false,
         {0, 3, 4, 5, 7, 8, 9, 10, 11, 12}},
        {"first trick, all hearts: any heart",
         kFirstTrickAllHearts,
         "fiori",
         false,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        // Every card barred: the queen on the first trick, the hearts as the hand is not all hearts.
        {"first trick, hearts and the queen only: anything",
         kFirstTrickHeartsAndQueen,
         "fiori",
         false,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"follow suit", hand({"3cuori", "9quadri", "", "5picche", "12picche"}), "picche", false, {3, 4}},
        {"void: anything, the queen and hearts too",
         hand({"3cuori", "9quadri", "12picche"}),
         "fiori",
         false,
         {0, 1, 2}},
        {"leading before hearts are broken", hand({"3cuori", "9quadri", "12picche"}), "", false, {1, 2}},
        {"leading once hearts are broken", hand({"3cuori", "9quadri", "12picche"}), "", true, {0, 1, 2}},
        {"leading only hearts before they are broken: any",
         hand({"3cuori", "", "9cuori"}),
         "",
         false,
         {0, 2}},
        {"following hearts led", hand({"3cuori", "9quadri"}), "cuori", false, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> playable;
        for (int slot = 0; slot < kHandSlots; ++slot) {
            if (HeartsRules::humanMayPlay(c.cards, slot, c.led, c.broken)) playable.push_back(slot);
        }
        EXPECT_EQ(playable, c.playable);
    }
    EXPECT_FALSE(HeartsRules::humanMayPlay(kFirstTrickNoClubs, -1, "fiori", false));
    EXPECT_FALSE(HeartsRules::humanMayPlay(kFirstTrickNoClubs, kHandSlots, "fiori", false));
}

} // namespace
} // namespace velmora::test
