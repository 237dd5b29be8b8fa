#include "games/hearts/HeartsTableSimulation.h"
#include "cards/RandomSequence.h"
#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using Sim = HeartsTableSimulation;

// Whole rounds of 128 tables over many seeds: each simulated hand must read as a real one.
TEST(HeartsTableSimulation, EverySimulatedHandSharesTwentySixPointsAsThirteenHeartsAndTheQueen) {
    int queenEarly = 0, hands = 0;
    for (int seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSequence random;
        random.setState(static_cast<std::uint64_t>(seed) * 15485863);
        std::vector<Sim::SimulatedHand> simTricks;
        std::vector<Sim::HeartsLeft> simHearts;
        const int humanTable = 1 + seed % 64;
        Sim::simulateRound(simTricks, simHearts, 64, humanTable, random);
        ASSERT_EQ(simTricks.size(), 128u);
        ASSERT_EQ(simHearts.size(), 128u);

        for (int t = 0; t < 128; ++t) {
            const auto& hand = simTricks[static_cast<size_t>(t)];
            if (t >= 64 || t + 1 == humanTable) {
                // Not simulated: left as no points and no heart taken.
                EXPECT_EQ(hand, Sim::clearedHand()) << "table " << t;
                continue;
            }
            ++hands;
            int total = 0;
            int queenTrick = -1;
            for (int trick = 0; trick < 13; ++trick) {
                const auto& row = hand[static_cast<size_t>(trick)];
                int takers = 0, points = 0;
                for (int seat = 0; seat < 4; ++seat) {
                    const int p = row[static_cast<size_t>(seat)];
                    ASSERT_GE(p, 0);
                    takers += p > 0;
                    points += p;
                    const int lowest = row[static_cast<size_t>(seat + 4)];
                    // A lowest heart is recorded exactly when the seat took heart points here.
                    if (p > 0 && p != 13) {
                        EXPECT_TRUE(lowest >= 2 && lowest <= 14) << "table " << t << " trick " << trick;
                    } else {
                        EXPECT_EQ(lowest, kNoHeart) << "table " << t << " trick " << trick;
                    }
                }
                EXPECT_LE(takers, 1) << "one seat takes a trick";
                if (trick == 0) {
                    EXPECT_EQ(points, 0);
                }
                if (points >= 13) {
                    EXPECT_EQ(queenTrick, -1) << "the queen falls once";
                    queenTrick = trick;
                    EXPECT_LE(points, 16) << "at most three hearts beside the queen";
                } else {
                    EXPECT_LE(points, 4) << "at most four hearts in a trick";
                }
                total += points;
            }
            EXPECT_EQ(total, kHeartsHandPoints) << "table " << t;
            EXPECT_GE(queenTrick, 1);
            EXPECT_LE(queenTrick, 3) << "the queen is gone by trick 3";
            queenEarly += queenTrick <= 2;
            // Every heart has been dealt exactly once: none is left at the table.
            for (int rank = 0; rank < 13; ++rank)
                EXPECT_EQ(simHearts[static_cast<size_t>(t)][static_cast<size_t>(rank)], 0) << "table " << t;
            // The seats' lowest hearts are distinct hearts.
            for (int a = 0; a < 4; ++a) {
                for (int b = a + 1; b < 4; ++b) {
                    const int la = Sim::seatLowestHeart(hand, a), lb = Sim::seatLowestHeart(hand, b);
                    if (la != kNoHeart) {
                        EXPECT_NE(la, lb);
                    }
                }
            }
            int seatsTotal = 0;
            for (int seat = 0; seat < 4; ++seat)
                seatsTotal += Sim::seatPoints(hand, seat);
            EXPECT_EQ(seatsTotal, kHeartsHandPoints);
        }
    }
    // Trick 1 gives the queen with 8 % odds, trick 2 with 16 %: about 23 % of hands in all.
    EXPECT_NEAR(static_cast<double>(queenEarly) / hands, 0.227, 0.03);
}

TEST(HeartsTableSimulation, TheSameSequenceSimulatesTheSameRound) {
    std::vector<Sim::SimulatedHand> first, second;
    std::vector<Sim::HeartsLeft> hearts1, hearts2;
    RandomSequence a, b;
    Sim::simulateRound(first, hearts1, 128, 5, a);
    Sim::simulateRound(second, hearts2, 128, 5, b);
    EXPECT_EQ(first, second);
    EXPECT_EQ(a.state(), b.state());
    // Arrays left over from an earlier round are cleared first.
    Sim::simulateRound(first, hearts1, 2, 1, a);
    EXPECT_EQ(first[5], Sim::clearedHand());
    EXPECT_EQ(hearts1[5], Sim::fullHearts());
}

} // namespace
} // namespace velmora::test
