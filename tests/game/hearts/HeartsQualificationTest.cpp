#include "games/hearts/HeartsQualification.h"
#include "cards/ForcedDraw.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::test {
namespace {

using Scores = std::array<HeartsScore, 4>;
using Q = HeartsQualification;

// A fraction whose random integer 0..3 is the player asked for.
double drawing(int player) {
    const double fractions[] = {0.1, 0.3, 0.6, 0.95};
    return fractions[player];
}

TEST(HeartsQualification, TheMostPointsGoOutAndOnEqualPointsTheHigherHeart) {
    struct Case {
        const char* what;
        Scores scores;
        std::array<int, 2> out;
    };
    const Case cases[] = {
        {"most points, then the higher heart", {{{10, 3}, {6, 2}, {10, 5}, {0, 0}}}, {2, 0}},
        {"tie for the second place out", {{{13, 0}, {5, 2}, {5, 7}, {3, 4}}}, {0, 2}},
        // Taking no heart (0 at the human's table, 20 at the others) ranks below any heart taken.
        {"queen only against thirteen hearts", {{{13, 0}, {0, 0}, {13, 2}, {0, 0}}}, {0, 2}},
        {"queen only, the others' mark", {{{13, 20}, {7, 6}, {6, 2}, {0, 20}}}, {0, 1}},
        // Points that do not add up still send exactly two out, the earlier rows on a full tie.
        {"nobody took points", {{{0, 0}, {0, 0}, {0, 20}, {0, 0}}}, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RandomSequence random;
        const auto before = random.state();
        EXPECT_EQ(Q::eliminate(c.scores, random), c.out);
        EXPECT_EQ(Q::eliminateLive(c.scores, random), c.out);
        EXPECT_EQ(random.state(), before) << "no draw without a moon";
    }
}

TEST(HeartsQualification, TheMoonShooterGoesThroughWithAPlayerDrawnAmongThoseWithoutPoints) {
    const Scores moon{{{0, 0}, {26, 2}, {0, 0}, {0, 0}}};
    RandomSequence random;
    random.setState(stateForDraw(drawing(3), 1));
    EXPECT_EQ(Q::eliminate(moon, random), (std::array<int, 2>{0, 2}));
    random.setState(stateForDraw(drawing(0), 1));
    EXPECT_EQ(Q::eliminate(moon, random), (std::array<int, 2>{2, 3}));

    // Drawing the shooter himself draws again; over many draws each other player is picked.
    std::array<int, 4> partners{};
    for (int i = 0; i < 400; ++i) {
        const auto out = Q::eliminate(moon, random);
        int partner = 1;
        for (int p : {0, 2, 3}) {
            if (p != out[0] && p != out[1]) partner = p;
        }
        ++partners[static_cast<size_t>(partner)];
        EXPECT_TRUE(std::find(out.begin(), out.end(), 1) == out.end());
    }
    EXPECT_EQ(partners[1], 0);
    for (int p : {0, 2, 3})
        EXPECT_GT(partners[static_cast<size_t>(p)], 50) << p;

    // The live marks draw the players to put out instead, never the shooter.
    random.setState(stateForDraw(drawing(3), 1));
    const auto live = Q::eliminateLive(moon, random);
    EXPECT_EQ(live[0], 3);
    EXPECT_NE(live[1], 3);
    EXPECT_NE(live[1], 1);
}

TEST(HeartsQualification, EliminatedPlayersRecordTheQualifiersOfTheRoundAndAFinalIsPlaced) {
    struct Case {
        const char* what;
        Scores scores;
        int qualifierCount;
        double draw;
        std::array<int, 4> placeGroup;
        std::array<bool, 4> out;
    };
    const Case cases[] = {
        {"a round of 32 going through",
         {{{5, 3}, {5, 2}, {10, 4}, {6, 6}}},
         32,
         0,
         {0, 0, 32, 32},
         {false, false, true, true}},
        {"the last round before the final",
         {{{5, 3}, {5, 2}, {10, 4}, {6, 6}}},
         4,
         0,
         {0, 0, 4, 4},
         {false, false, true, true}},
        // In the final the lower heart wins first place on equal points; the two out share third.
        {"a final", {{{5, 3}, {5, 2}, {10, 4}, {6, 6}}}, 2, 0, {2, 1, 3, 3}, {false, false, true, true}},
        {"a final, both through without points",
         {{{13, 0}, {0, 0}, {13, 2}, {0, 0}}},
         2,
         0,
         {3, 1, 3, 2},
         {true, false, true, false}},
        // The partner drawn (seat 0) took no points, so he finishes ahead of the moon shooter.
        {"a final with a moon",
         {{{0, 0}, {0, 0}, {26, 2}, {0, 0}}},
         2,
         drawing(0),
         {1, 3, 2, 3},
         {false, true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RandomSequence random;
        random.setState(stateForDraw(c.draw, 1));
        const HeartsTableOutcome outcome = Q::decide(c.scores, c.qualifierCount, random);
        EXPECT_EQ(outcome.placeGroup, c.placeGroup);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.moonShooter, std::string(c.what).find("moon") != std::string::npos ? 2 : -1);
    }
}

} // namespace
} // namespace velmora::test
