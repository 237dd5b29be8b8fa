#include "BrisoloCards.h"

#include "cards/Decks.h"
#include "games/brisolo/BrisoloRules.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(BrisoloRules, TheHighestCardTakesTheMancheAndOfEqualValuesTheLaterOne) {
    const std::pair<std::vector<int>, int> inPlayOrder[] = {
        {{14, 13, 12, 11}, 0}, {{11, 12, 13, 14}, 3}, {{5, 9, 9, 2}, 2},  {{7, 7, 7, 7}, 3},
        {{2, 14, 3, 14}, 3},   {{0, 5, 0, 0}, 1},     {{0, 0, 0, 0}, -1},
    };
    for (const auto& [values, winner] : inPlayOrder)
        EXPECT_EQ(BrisoloRules::mancheWinner(brisoloCards(values)), winner)
            << ::testing::PrintToString(values);

    // By seat: seats 1 and 2 both hold an ace; the one that played it later takes the manche.
    const std::array<Card, 4> bySeat = {brisoloCard(9), brisoloCard(14), brisoloCard(14), brisoloCard(3)};
    const int winnerByLead[4] = {2, 2, 1, 2};
    for (int lead = 0; lead < 4; ++lead)
        EXPECT_EQ(BrisoloRules::winnerSeat(bySeat, lead), winnerByLead[lead]) << "lead " << lead;
}

TEST(BrisoloRules, ScoringBooksTheMancheWorthItsCardValuesToTheWinner) {
    EXPECT_EQ(BrisoloRules::manchePoints(brisoloCards({14, 13, 12, 11})), 50);
    EXPECT_EQ(BrisoloRules::manchePoints(buildFrenchDeck()), 416);
    EXPECT_EQ(BrisoloRules::cardPoints(Card{Value("0"), Value("0")}), 0);

    BrisoloSeats seats{};
    BrisoloRules::scoreManche(seats, 2, 50);
    BrisoloRules::scoreManche(seats, 0, 20);
    BrisoloRules::scoreManche(seats, 2, 9); // a poorer manche keeps the best one
    EXPECT_EQ(seats[2], (BrisoloScore{10, 59, 2, 3, 50}));
    EXPECT_EQ(seats[0], (BrisoloScore{10, 20, 1, 2, 20}));
    EXPECT_EQ(seats[1], (BrisoloScore{10, 0, 0, 0, 0}));
    for (int manche = 4; manche <= kBrisoloHandCards; ++manche)
        BrisoloRules::scoreManche(seats, 3, 30);
    EXPECT_EQ(seats[3], (BrisoloScore{0, 300, 10, 13, 30}));
}

TEST(BrisoloRules, TheTwoOutAreTheFewestPointsThenFewerManchesThenThePoorerBestManche) {
    struct Case {
        const char* why;
        BrisoloSeats seats; // cards, points, manches, last manche, best manche
        std::array<int, 2> out;
    };
    const Case cases[] = {
        {"points", {{{0, 100, 3, 9, 40}, {0, 40, 1, 2, 40}, {0, 200, 5, 13, 60}, {0, 76, 4, 8, 30}}}, {1, 3}},
        {"manches",
         {{{0, 90, 3, 9, 40}, {0, 90, 2, 10, 50}, {0, 146, 5, 13, 60}, {0, 90, 4, 7, 30}}},
         {1, 0}},
        {"best manche",
         {{{0, 90, 3, 9, 45}, {0, 90, 3, 10, 44}, {0, 146, 4, 13, 60}, {0, 90, 3, 7, 46}}},
         {1, 0}},
        {"full tie",
         {{{0, 104, 3, 3, 40}, {0, 104, 3, 6, 40}, {0, 104, 3, 9, 40}, {0, 104, 4, 13, 40}}},
         {2, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BrisoloRules::twoOut(c.seats), c.out) << c.why;
    EXPECT_EQ(BrisoloRules::nextOut(cases[0].seats, {false, true, false, true}), 0);
}

} // namespace
} // namespace velmora::test
