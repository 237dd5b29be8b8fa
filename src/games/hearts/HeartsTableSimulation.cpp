#include "games/hearts/HeartsTableSimulation.h"

#include "cards/RandomSequence.h"
#include "games/hearts/HeartsRules.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int kTables = 128;
constexpr int kLastTrick = 12;
constexpr int kQueenPoints = 13;

// Hearts in a trick worth these points: up to four hearts alone, or the queen with up to three.
int heartsIn(int points) {
    if (points > 0 && points < 5) return points;
    if (points > kQueenPoints) return points - kQueenPoints;
    return 0;
}

} // namespace

HeartsTableSimulation::SimulatedHand HeartsTableSimulation::clearedHand() {
    SimulatedHand hand{};
    for (auto& trick : hand) {
        for (int k = 0; k < 4; ++k) {
            trick[static_cast<size_t>(k)] = 0;
            trick[static_cast<size_t>(k + 4)] = kNoHeart;
        }
    }
    return hand;
}

HeartsTableSimulation::HeartsLeft HeartsTableSimulation::fullHearts() {
    HeartsLeft hearts{};
    for (int rank = 0; rank < 13; ++rank)
        hearts[static_cast<size_t>(rank)] = rank + 2;
    return hearts;
}

int HeartsTableSimulation::seatPoints(const SimulatedHand& hand, int seat) {
    int points = 0;
    for (const auto& trick : hand)
        points += trick[static_cast<size_t>(seat)];
    return points;
}

int HeartsTableSimulation::seatLowestHeart(const SimulatedHand& hand, int seat) {
    int lowest = kNoHeart;
    for (const auto& trick : hand)
        lowest = std::min(lowest, trick[static_cast<size_t>(seat + 4)]);
    return lowest;
}

void HeartsTableSimulation::simulateRound(std::vector<SimulatedHand>& simTricks,
                                          std::vector<HeartsLeft>& simHearts, int tableCount, int humanTable,
                                          RandomSequence& random) {
    if (simTricks.size() < kTables) simTricks.resize(kTables);
    if (simHearts.size() < kTables) simHearts.resize(kTables);
    for (auto& hand : simTricks)
        hand = clearedHand();
    for (auto& hearts : simHearts)
        hearts = fullHearts();
    const int tables = std::min(tableCount, static_cast<int>(simTricks.size()));
    for (int t = 0; t < tables; ++t) {
        if (t + 1 == humanTable) continue;
        simulateTable(simTricks[static_cast<size_t>(t)], simHearts[static_cast<size_t>(t)], random);
    }
}

int HeartsTableSimulation::drawPoints(int trick, bool queenTaken, RandomSequence& random) {
    if (trick <= 2) {
        // The queen falls early only now and then: about one time in twelve on trick 1, one in
        // six on trick 2 (the draw is halved), and seldom with hearts beside it.
        const auto r = static_cast<long long>(std::nearbyint(random.next() * 10000 / trick));
        if (!queenTaken) {
            if (r < 3) return 16;
            if (r < 10) return 15;
            if (r < 20) return 14;
            if (r < 800) return 13;
        }
        if (r < 820) return 3;
        if (r < 1200) return 2;
        if (r < 2000) return 1;
        return 0;
    }
    const long long r = random.upTo(120);
    // By the third trick someone has been made to take the queen.
    if (!queenTaken) return r < 3 ? 16 : 15;
    if (r < 40) return 4;
    if (r < 60) return 3;
    if (r < 80) return 2;
    if (r < 100) return 1;
    return 0;
}

void HeartsTableSimulation::dealHeart(SimulatedHand& hand, HeartsLeft& hearts, int trick, int seat,
                                      RandomSequence& random) {
    if (std::all_of(hearts.begin(), hearts.end(), [](int h) { return h == 0; })) return;
    size_t rank = 0;
    do {
        rank = static_cast<size_t>(random.upTo(12));
    } while (hearts[rank] == 0);
    int& lowest = hand[static_cast<size_t>(trick)][static_cast<size_t>(seat + 4)];
    lowest = std::min(lowest, static_cast<int>(rank) + 2);
    hearts[rank] = 0;
}

void HeartsTableSimulation::simulateTable(SimulatedHand& hand, HeartsLeft& hearts, RandomSequence& random) {
    int remaining = kHeartsHandPoints;
    bool queenTaken = false;
    for (int trick = 1; trick <= kLastTrick; ++trick) {
        int points = 0;
        do {
            points = drawPoints(trick, queenTaken, random);
        } while (points > remaining);
        if (points >= kQueenPoints) queenTaken = true;

        // A seat that has already collected points is likelier to collect more; below six
        // points every seat weighs the same five.
        std::array<int, 4> weight{};
        int total = 0;
        for (int seat = 0; seat < 4; ++seat) {
            int w = seatPoints(hand, seat);
            if (w < 6) w = 5;
            weight[static_cast<size_t>(seat)] = w;
            total += w;
        }
        const long long r = random.upTo(total);
        int winner = 0;
        long long reach = weight[0];
        while (winner < 3 && r > reach) {
            ++winner;
            reach += weight[static_cast<size_t>(winner)];
        }

        hand[static_cast<size_t>(trick)][static_cast<size_t>(winner)] += points;
        remaining -= points;
        for (int h = heartsIn(points); h > 0; --h)
            dealHeart(hand, hearts, trick, winner, random);
    }

    // Points still unshared go one at a time to a later trick that can hold another heart.
    while (remaining > 0) {
        const int trick = static_cast<int>(random.upTo(9)) + 3;
        auto& row = hand[static_cast<size_t>(trick)];
        const int total = row[0] + row[1] + row[2] + row[3];
        if (!(total <= 3 || (total >= kQueenPoints && total <= 15))) continue;
        if (total == 0) {
            const int seat = static_cast<int>(random.upTo(3));
            row[static_cast<size_t>(seat)] += 1;
            --remaining;
            dealHeart(hand, hearts, trick, seat, random);
            continue;
        }
        // A seat that already took points here takes one more without a heart being drawn for
        // it: its lowest heart of the trick stands, and a seat may end with more points than
        // hearts. No heart is ever given twice, which is what the qualification relies on.
        for (int seat = 0; seat < 4 && remaining > 0; ++seat) {
            if (row[static_cast<size_t>(seat)] == 0) continue;
            row[static_cast<size_t>(seat)] += 1;
            --remaining;
        }
    }
}

} // namespace velmora
