#include "games/hearts/HeartsTableSimulation.h"
#include "cards/RandomSequence.h"
#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

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
                    // A lowest heart is recorded only where the seat took heart points; a point
                    // topped up at the end may come without a heart of its own.
                    if (lowest != kNoHeart) {
                        EXPECT_TRUE(p > 0 && p != 13) << "trick " << trick;
                    }
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
            // No heart is dealt twice: distinct seats hold distinct lowest hearts, and the hearts
            // dealt are never more than the 13 heart points.
            int dealt = 0;
            for (int rank : simHearts[static_cast<size_t>(t)])
                dealt += rank == 0 ? 1 : 0;
            EXPECT_GE(dealt, 1);
            EXPECT_LE(dealt, kHeartsHandPoints - 13);
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

// The other tables share the game's one random sequence with everything drawn after them (the
// moon draws, the next seating, the week), so each table must take exactly the draws of its rules.
// The rules again, step by step, on a sequence of their own: the same hand and the same number
// of draws. `toppedUp` counts the points given at the end to a seat already scoring in a trick,
// which take no draw.
struct CountedTable {
    Sim::SimulatedHand hand = Sim::clearedHand();
    long long draws = 0;
    int toppedUp = 0;
};

CountedTable countDraws(RandomSequence& random) {
    CountedTable t;
    auto draw = [&](double n) {
        ++t.draws;
        return static_cast<int>(random.upTo(n));
    };
    std::array<bool, 13> taken{};
    auto heart = [&](int trick, int seat) {
        int rank = 0;
        do {
            rank = draw(12);
        } while (taken[static_cast<size_t>(rank)]);
        taken[static_cast<size_t>(rank)] = true;
        int& lowest = t.hand[static_cast<size_t>(trick)][static_cast<size_t>(seat + 4)];
        lowest = std::min(lowest, rank + 2);
    };
    int remaining = 26;
    bool queen = false;
    for (int trick = 1; trick <= 12; ++trick) {
        int p = 0;
        do {
            if (trick <= 2) {
                ++t.draws;
                const double r = std::nearbyint(random.next() * 10000 / trick);
                if (!queen && r < 800)
                    p = r < 3 ? 16 : r < 10 ? 15 : r < 20 ? 14 : 13;
                else
                    p = r < 820 ? 3 : r < 1200 ? 2 : r < 2000 ? 1 : 0;
            } else {
                const int r = draw(120);
                p = !queen ? (r < 3 ? 16 : 15) : r < 40 ? 4 : r < 60 ? 3 : r < 80 ? 2 : r < 100 ? 1 : 0;
            }
        } while (p > remaining);
        queen = queen || p >= 13;
        int w[4], sum = 0;
        for (int seat = 0; seat < 4; ++seat) {
            w[seat] = Sim::seatPoints(t.hand, seat);
            if (w[seat] < 6) w[seat] = 5;
            sum += w[seat];
        }
        const int r = draw(sum);
        const int seat = r <= w[0] ? 0 : r <= w[0] + w[1] ? 1 : r <= w[0] + w[1] + w[2] ? 2 : 3;
        t.hand[static_cast<size_t>(trick)][static_cast<size_t>(seat)] += p;
        remaining -= p;
        for (int h = p > 13 ? p - 13 : (p > 0 && p < 5 ? p : 0); h > 0; --h)
            heart(trick, seat);
    }
    while (remaining > 0) {
        const int trick = draw(9) + 3;
        auto& row = t.hand[static_cast<size_t>(trick)];
        const int total = row[0] + row[1] + row[2] + row[3];
        if (total == 0) {
            const int seat = draw(3);
            row[static_cast<size_t>(seat)] += 1;
            --remaining;
            heart(trick, seat);
        } else if (total <= 3 || (total >= 13 && total <= 15)) {
            for (int seat = 0; seat < 4; ++seat) {
                if (row[static_cast<size_t>(seat)] == 0) continue;
                row[static_cast<size_t>(seat)] += 1;
                --remaining;
                ++t.toppedUp;
            }
        }
    }
    return t;
}

TEST(HeartsTableSimulation, EveryTableTakesExactlyTheDrawsOfItsRules) {
    int toppedUp = 0;
    for (int seed = 0; seed < 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::uint64_t start = RandomSequence::kStart + static_cast<std::uint64_t>(seed) * 7919;
        RandomSequence random;
        random.setState(start);
        std::vector<Sim::SimulatedHand> simTricks;
        std::vector<Sim::HeartsLeft> simHearts;
        const int humanTable = 1 + seed % 64;
        Sim::simulateRound(simTricks, simHearts, 64, humanTable, random);

        RandomSequence counted;
        counted.setState(start);
        long long draws = 0;
        for (int table = 0; table < 64; ++table) {
            if (table + 1 == humanTable) continue;
            const CountedTable expected = countDraws(counted);
            draws += expected.draws;
            toppedUp += expected.toppedUp;
            ASSERT_EQ(simTricks[static_cast<size_t>(table)], expected.hand) << "table " << table;
        }
        // Where the sequence stands once the round's tables are drawn.
        RandomSequence after;
        after.setState(start);
        for (long long n = 0; n < draws; ++n)
            after.next();
        EXPECT_EQ(random.state(), after.state()) << draws << " draws by the rules";
    }
    // The points topped up without a heart came up often enough to have been checked.
    EXPECT_GT(toppedUp, 20);
}

} // namespace
} // namespace velmora::test
