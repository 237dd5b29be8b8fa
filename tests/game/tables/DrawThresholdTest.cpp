// The background tables' odds at their edges: each threshold with a draw of exactly its value and
// one on either side, the draws forced through the random sequence's start state.

#include "cards/ForcedDraw.h"
#include "game/brisolo/BrisoloCards.h"
#include "game/tables/TableRound.h"
#include "games/brisolo/BrisoloBackgroundTables.h"
#include "games/brisolo/BrisoloColumns.h"
#include "games/hearts/HeartsTableSimulation.h"
#include "games/uno/UnoBackgroundTables.h"
#include "support/GameTest.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// A sequence whose next draw, taken as a whole number 0..n, comes out as `k`.
RandomSequence drawingNext(long long k, double n) {
    RandomSequence random;
    random.setState(stateForDraw(static_cast<double>(k) / n, 1));
    RandomSequence check = random;
    EXPECT_EQ(check.upTo(n), k) << "the forced draw";
    return random;
}

// At a table of others an Uno player with 7 cards and no ranking points plays on a draw up to 285
// of 0..367, draws one card up to 350, suffers a "piu2" up to 357, a "piu4" up to 360, else passes.
TEST(DrawThresholds, UnoBackgroundPlayerAtEachEdge) {
    const struct {
        long long draw;
        int change;
    } cases[] = {{0, -1},  {284, -1}, {285, -1}, {286, 1}, {350, 1}, {351, 2},
                 {357, 2}, {358, 4},  {360, 4},  {361, 0}, {366, 0}};
    for (const auto& k : cases) {
        RandomSequence random = drawingNext(k.draw, 367);
        EXPECT_EQ(UnoBackgroundTables::unoCardChange(7, 0, random), k.change) << "draw " << k.draw;
    }
}

// A background manche is the average share moved by two draws; above 55 it loses 5 more and a
// draw of 0..10, below 9 it gains 3 and a draw of 0..5.
TEST(DrawThresholds, BrisoloBackgroundMancheAtEachEdge) {
    const struct {
        int remaining, cards;
        std::vector<Draw> draws; // x, y (added and taken off), then the correction's draw
        int points;
    } cases[] = {
        {110, 2, {{27.5, 0, 0}, {27.5, 1, 1}}, 54},
        {110, 2, {{27.5, 0, 0}, {27.5, 0, 0}}, 55},
        {110, 2, {{27.5, 1, 1}, {27.5, 0, 0}, {10, 0, 0}}, 51},
        {110, 2, {{27.5, 1, 1}, {27.5, 0, 0}, {10, 10, 10}}, 41},
        {18, 2, {{4.5, 1, 1}, {4.5, 0, 0}}, 10},
        {18, 2, {{4.5, 0, 0}, {4.5, 0, 0}}, 9},
        {18, 2, {{4.5, 0, 0}, {4.5, 1, 1}, {5, 0, 0}}, 11},
        {18, 2, {{4.5, 0, 0}, {4.5, 1, 1}, {5, 5, 5}}, 16},
    };
    for (const auto& k : cases) {
        RandomSequence random;
        random.setState(stateFor(k.draws));
        const std::uint64_t start = random.state();
        EXPECT_EQ(BrisoloBackgroundTables::manchePoints(k.remaining, k.cards, random), k.points)
            << k.remaining << " over " << k.cards << ", " << k.draws.size() << " draws";
        EXPECT_EQ(drawsBetween(start, random.state()), static_cast<long long>(k.draws.size()))
            << k.remaining << " over " << k.cards;
    }
}

// Who takes a background manche: a draw of 0..the sum of the seats' weights, where each seat weighs
// (2001 - its world position) times 1, 3, 5, 7 in play order from the seat that leads, taken
// against the running sums from seat 0. Four players at position 2000 led by seat 0 weigh 1, 3, 5,
// 7: a draw up to 1 is seat 0's, up to 4 seat 1's, up to 9 seat 2's, above that seat 3's.
class BrisoloBackgroundWinner : public GameTest {};

TEST_F(BrisoloBackgroundWinner, AtEachEdgeOfTheSeatsWeights) {
    form->openDatabase();
    form->currentGame = "Brisolo";
    seatRound(*form, 2);
    const struct {
        long long draw;
        int winner;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {4, 1}, {5, 2}, {9, 2}, {10, 3}, {16, 3}};
    const EntrantTable seated = form->roundPlayers; // the tick copies its scores into the round's list
    for (const auto& k : cases) {
        form->roundPlayers = seated;
        form->tablePlayers = seated;
        for (int r = 4; r < 8; ++r) {
            form->tablePlayers[static_cast<size_t>(r)][entrant::kWorldPosition] = Value(2000);
            for (int col = entrant::kFirstScore; col <= entrant::kLastScore; ++col)
                form->tablePlayers[static_cast<size_t>(r)][static_cast<size_t>(col)] = Value(0);
        }
        form->leadSeats[1] = 0;
        form->backgroundStep = 0;
        // The manche's points take two draws (416 over 13 cards needs no correction), then the winner.
        form->random().setState(stateFor({{16, 0, 16}, {16, 0, 16}, {16, k.draw, k.draw}}));
        form->gameTable()->backgroundTick();
        EXPECT_EQ(form->leadSeats[1], k.winner) << "draw " << k.draw;
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(form->tablePlayers[static_cast<size_t>(4 + seat)][brisolo::kManches].toInt(),
                      seat == k.winner ? 1 : 0)
                << "draw " << k.draw << ", seat " << seat;
    }
}

// A simulated trick's points. In tricks 1 and 2 a draw of 0..10000 (halved in trick 2) puts the
// queen there below 800 (with 3, 2, 1 hearts beside it below 20, 10, 3), else hearts alone: 3
// below 820, 2 below 1200, 1 below 2000. From trick 3 a draw of 0..120 gives the queen if nobody
// has it (with a heart below 3), else 4 hearts below 40, 3 below 60, 2 below 80, 1 below 100.
TEST(DrawThresholds, HeartsSimulatedTrickAtEachEdge) {
    const struct {
        int trick;
        bool queenTaken;
        long long draw;
        int points;
    } cases[] = {
        {1, false, 2, 16},   {1, false, 3, 15},   {1, false, 9, 15},   {1, false, 10, 14},
        {1, false, 19, 14},  {1, false, 20, 13},  {1, false, 799, 13}, {1, false, 800, 3},
        {1, false, 819, 3},  {1, false, 820, 2},  {1, false, 1199, 2}, {1, false, 1200, 1},
        {1, false, 1999, 1}, {1, false, 2000, 0}, {1, true, 2, 3},     {1, true, 819, 3},
        {1, true, 820, 2},   {2, false, 2, 16},   {2, false, 3, 15},   {2, false, 799, 13},
        {2, false, 800, 3},  {2, true, 1999, 1},  {2, true, 2000, 0},  {3, false, 2, 16},
        {3, false, 3, 15},   {3, false, 119, 15}, {3, true, 39, 4},    {3, true, 40, 3},
        {3, true, 59, 3},    {3, true, 60, 2},    {3, true, 79, 2},    {3, true, 80, 1},
        {3, true, 99, 1},    {3, true, 100, 0},   {12, true, 0, 4},    {12, true, 100, 0},
    };
    for (const auto& k : cases) {
        RandomSequence random = drawingNext(k.draw, k.trick <= 2 ? 10000.0 / k.trick : 120.0);
        EXPECT_EQ(HeartsTableSimulation::drawPoints(k.trick, k.queenTaken, random), k.points)
            << "trick " << k.trick << (k.queenTaken ? ", queen gone" : "") << ", draw " << k.draw;
    }
}

} // namespace
} // namespace velmora::test
