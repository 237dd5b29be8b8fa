#include "UnoTableTest.h"

#include "games/uno/UnoRules.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(UnoRules, TheHumanMatchesValueOrColourAndAZeroGoesOnAZeroOfAnotherColour) {
    EXPECT_TRUE(humanMayPlay(unoCard("0verde"), unoCard("0rosso"), "rosso"));
    EXPECT_TRUE(humanMayPlay(unoCard("7verde"), unoCard("7rosso"), "rosso"));
    EXPECT_TRUE(humanMayPlay(unoCard("2rosso"), unoCard("7rosso"), "rosso"));
    EXPECT_TRUE(humanMayPlay(unoCard("piu2verde"), unoCard("piu2rosso"), "rosso"));
    EXPECT_TRUE(humanMayPlay(unoCard("saltaturnorosso"), unoCard("7rosso"), "rosso"));
    EXPECT_FALSE(humanMayPlay(unoCard("2verde"), unoCard("7rosso"), "rosso"));
    EXPECT_FALSE(humanMayPlay(unoCard("cambiagiroverde"), unoCard("piu2rosso"), "rosso"));
    // An empty place looks like a "0" but is never a card.
    EXPECT_FALSE(humanMayPlay(Card{}, unoCard("0rosso"), "rosso"));
}

TEST(UnoRules, OnAWildCardTheColourInForceDecidesAndWildCardsAlwaysGo) {
    const Card top = unoCard("cambiacolore");
    EXPECT_TRUE(humanMayPlay(unoCard("4blu"), top, "blu"));
    EXPECT_TRUE(humanMayPlay(unoCard("piu2blu"), top, "blu"));
    EXPECT_FALSE(humanMayPlay(unoCard("4rosso"), top, "blu"));
    EXPECT_TRUE(humanMayPlay(unoCard("piu4"), top, "blu"));
    EXPECT_TRUE(humanMayPlay(unoCard("cambiacolore"), top, "blu"));
    EXPECT_TRUE(humanMayPlay(unoCard("piu4"), unoCard("3verde"), "verde"));
    EXPECT_FALSE(humanMayPlay(unoCard("4rosso"), unoCard("piu4"), "giallo"));
}

TEST(UnoRules, SeatsFollowTheDirectionRoundTheTable) {
    EXPECT_EQ(nextSeat(0, "orario"), 1);
    EXPECT_EQ(nextSeat(3, "orario"), 0);
    EXPECT_EQ(nextSeat(0, "antiorario"), 3);
    EXPECT_EQ(nextSeat(2, "antiorario"), 1);
    EXPECT_EQ(reversedDirection("orario"), "antiorario");
    EXPECT_EQ(reversedDirection("antiorario"), "orario");
}

TEST(UnoRules, ColoursAreShownInTheirOwnRgbAndReadBack) {
    EXPECT_EQ(unoColourRgb("giallo"), 0xFFFF00u);
    EXPECT_EQ(unoColourRgb("verde"), 0x00FF00u);
    EXPECT_EQ(unoColourRgb("rosso"), 0xFF0000u);
    EXPECT_EQ(unoColourRgb("blu"), (26u << 16) | (137u << 8) | 238u);
    for (const char* colour : kUnoColours)
        EXPECT_EQ(unoColourNamed(unoColourRgb(colour)), colour);
    EXPECT_EQ(unoColourNamed(0x0000FF), "");
}

TEST(UnoRules, ClosingTheGapOfAPlayedCardKeepsTheOrder) {
    Hand hand = unoHand({"1rosso", "2rosso", "3rosso", "4rosso"});
    hand[1] = Card{};
    closeGap(hand);
    EXPECT_EQ(hand[0], unoCard("1rosso"));
    EXPECT_EQ(hand[1], unoCard("3rosso"));
    EXPECT_EQ(hand[2], unoCard("4rosso"));
    EXPECT_TRUE(hand[3].empty());
    Hand last = unoHand({"9blu"});
    last[0] = Card{};
    closeGap(last);
    EXPECT_TRUE(last[0].empty());
}

} // namespace
} // namespace velmora::test
