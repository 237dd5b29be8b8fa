#include "games/hearts/HeartsQualification.h"
#include "cards/ForcedDraw.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using Scores = std::array<HeartsScore, 4>;
using Q = HeartsQualification;

// The order recorded for the table follows the same rule: the two going on ahead, then fewer
// points, then the lower heart; a place is shared only on a full tie within the same fate.
TEST(HeartsQualification, TheMostPointsGoOutAndOnEqualPointsTheHigherHeart) {
    struct Case {
        Scores scores;
        std::array<int, 2> out;
        std::array<int, 4> places;
    };
    const Case cases[] = {
        {{{{10, 3}, {6, 2}, {10, 5}, {0, 0}}}, {2, 0}, {3, 2, 4, 1}},
        {{{{13, 0}, {5, 2}, {5, 7}, {3, 4}}}, {0, 2}, {4, 2, 3, 1}},
        // No heart taken (0 at the human's table, 20 at the others) ranks below any heart.
        {{{{13, 0}, {0, 0}, {13, 2}, {0, 0}}}, {0, 2}, {4, 1, 3, 1}},
        {{{{13, 20}, {7, 6}, {6, 2}, {0, 20}}}, {0, 1}, {4, 3, 2, 1}},
        // Points that do not add up still send exactly two out, the earlier on a full tie.
        {{{{0, 0}, {0, 0}, {0, 20}, {0, 0}}}, {0, 1}, {3, 3, 1, 1}},
    };
    for (const Case& c : cases) {
        RandomSequence random;
        EXPECT_EQ(Q::eliminate(c.scores, random), c.out) << c.scores[0].points;
        EXPECT_EQ(Q::eliminateLive(c.scores, random), c.out) << c.scores[0].points;
        std::array<bool, 4> out{};
        out[static_cast<size_t>(c.out[0])] = out[static_cast<size_t>(c.out[1])] = true;
        EXPECT_EQ(Q::tablePlaces(c.scores, out), c.places) << c.scores[0].points;
        EXPECT_EQ(random.state(), RandomSequence::kStart) << "no draw without a moon";
    }
}

TEST(HeartsQualification, TheMoonShooterGoesThroughWithAPlayerDrawnAmongThoseWithoutPoints) {
    const Scores moon{{{0, 0}, {26, 2}, {0, 0}, {0, 0}}};
    RandomSequence random;
    random.setState(stateForDraw(0.95, 1)); // draws 3
    EXPECT_EQ(Q::eliminate(moon, random), (std::array<int, 2>{0, 2}));
    // The partner, who took nothing, finishes ahead of the shooter; the two out are level.
    EXPECT_EQ(Q::tablePlaces(moon, {true, false, true, false}), (std::array<int, 4>{3, 2, 3, 1}));
    random.setState(stateForDraw(0.95, 1));
    EXPECT_EQ(Q::eliminateLive(moon, random)[0], 3); // the live marks draw who goes out instead

    // Drawing the shooter draws again. The ends of a random integer 0..3 come up half as often, so
    // with the shooter in seat 1 the partner is seat 0, 2, 3 a quarter, a half, a quarter of the time.
    std::array<int, 4> partners{};
    for (int i = 0; i < 600; ++i) {
        const auto out = Q::eliminate(moon, random);
        ASSERT_TRUE(out[0] != 1 && out[1] != 1 && out[0] != out[1]);
        ++partners[static_cast<size_t>(6 - 1 - out[0] - out[1])];
        const auto live = Q::eliminateLive(moon, random);
        EXPECT_TRUE(live[0] != 1 && live[1] != 1 && live[0] != live[1]);
    }
    EXPECT_NEAR(partners[0], 150, 40);
    EXPECT_NEAR(partners[2], 300, 40);
    EXPECT_NEAR(partners[3], 150, 40);
}

TEST(HeartsQualification, EliminatedPlayersRecordTheQualifiersOfTheRoundAndAFinalIsPlaced) {
    struct Case {
        Scores scores;
        int qualifierCount;
        std::array<int, 4> placeGroup;
    };
    const Case cases[] = {
        {{{{5, 3}, {5, 2}, {10, 4}, {6, 6}}}, 32, {0, 0, 32, 32}},
        {{{{5, 3}, {5, 2}, {10, 4}, {6, 6}}}, 4, {0, 0, 4, 4}},
        // The final: on equal points the lower heart takes first place; the two out share third.
        {{{{5, 3}, {5, 2}, {10, 4}, {6, 6}}}, 2, {2, 1, 3, 3}},
        // Both survivors without points or heart: the later row wins the final, as the earlier
        // of two equal rows is the one the elimination puts out (row 0, the human, included).
        {{{{13, 0}, {0, 0}, {13, 2}, {0, 0}}}, 2, {3, 2, 3, 1}},
        {{{{0, 0}, {0, 0}, {13, 2}, {13, 3}}}, 2, {2, 1, 3, 3}},
        // The partner drawn took no points, so he finishes ahead of the moon shooter.
        {{{{0, 0}, {0, 0}, {26, 2}, {0, 0}}}, 2, {1, 3, 2, 3}},
    };
    for (const Case& c : cases) {
        RandomSequence random;
        random.setState(stateForDraw(0.1, 1)); // a moon partner draw gives 0
        const HeartsTableOutcome outcome = Q::decide(c.scores, c.qualifierCount, random);
        EXPECT_EQ(outcome.placeGroup, c.placeGroup) << c.qualifierCount;
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(outcome.out[static_cast<size_t>(p)], c.placeGroup[static_cast<size_t>(p)] >= 3) << p;
        }
        EXPECT_EQ(outcome.moonShooter, c.scores[2].points == 26 ? 2 : -1);
        // Only a moon draws; ties, in the final too, are settled by the rows' order.
        if (outcome.moonShooter < 0) {
            EXPECT_EQ(random.state(), stateForDraw(0.1, 1)) << c.qualifierCount;
        }
    }
}

} // namespace
} // namespace velmora::test
