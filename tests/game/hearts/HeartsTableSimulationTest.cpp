#include "games/hearts/HeartsTableSimulation.h"
#include "cards/RandomSequence.h"
#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using Sim = HeartsTableSimulation;

// Whole rounds of tables over many seeds: each simulated hand must read as a real one.
TEST(HeartsTableSimulation, EverySimulatedHandSharesTwentySixPointsAsThirteenHeartsAndTheQueen) {
    int queenEarly = 0, hands = 0;
    for (int seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSequence random;
        random.setState(static_cast<std::uint64_t>(seed) * 15485863);
        std::vector<Sim::SimulatedHand> simTricks(3, Sim::SimulatedHand{}); // too small, and stale
        std::vector<Sim::HeartsLeft> simHearts;
        const int humanTable = 1 + seed % 64;
        Sim::simulateRound(simTricks, simHearts, 64, humanTable, random);
        ASSERT_EQ(simTricks.size(), 128u);
        for (int t = 0; t < 128; ++t) {
            const auto& hand = simTricks[static_cast<size_t>(t)];
            if (t >= 64 || t + 1 == humanTable) {
                EXPECT_EQ(hand, Sim::clearedHand()) << "table " << t << " is not simulated";
                continue;
            }
            ++hands;
            int total = 0, queenTrick = -1;
            for (int trick = 0; trick < 13; ++trick) {
                int takers = 0, points = 0;
                for (int seat = 0; seat < 4; ++seat) {
                    const int p = hand[static_cast<size_t>(trick)][static_cast<size_t>(seat)];
                    const int lowest = hand[static_cast<size_t>(trick)][static_cast<size_t>(seat + 4)];
                    // A lowest heart is recorded exactly where the seat took heart points.
                    EXPECT_EQ(lowest != kNoHeart, p > 0 && p != 13) << "trick " << trick;
                    takers += p > 0;
                    points += p;
                }
                EXPECT_LE(takers, 1);
                EXPECT_LE(points, points >= 13 ? 16 : 4) << "at most 4 hearts, or 3 beside the queen";
                if (points >= 13) {
                    EXPECT_EQ(queenTrick, -1);
                    queenTrick = trick;
                }
                total += points;
            }
            EXPECT_EQ(total, kHeartsHandPoints);
            EXPECT_TRUE(queenTrick >= 1 && queenTrick <= 3) << queenTrick;
            queenEarly += queenTrick <= 2;
            // Every heart has been dealt, each to one seat: distinct seats hold distinct lowest hearts.
            EXPECT_EQ(simHearts[static_cast<size_t>(t)], Sim::HeartsLeft{});
            for (int a = 0; a < 4; ++a) {
                for (int b = a + 1; b < 4; ++b) {
                    if (Sim::seatLowestHeart(hand, a) != kNoHeart) {
                        EXPECT_NE(Sim::seatLowestHeart(hand, a), Sim::seatLowestHeart(hand, b));
                    }
                }
            }
        }
    }
    // Trick 1 takes the queen 8 % of the time, trick 2 16 %: about 23 % of hands in all.
    EXPECT_NEAR(static_cast<double>(queenEarly) / hands, 0.227, 0.03);
}

} // namespace
} // namespace velmora::test
