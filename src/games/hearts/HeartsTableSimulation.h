#pragma once

#include <array>
#include <vector>

namespace velmora {

class RandomSequence;

// The hand of every other table of the round, drawn in full at the pass; the background tables
// then reveal it one trick per tick.
//
// A simulated hand records, per trick 0..12 (trick 0 never carries points), the points each seat
// takes (entries 0..3) and the lowest heart each seat takes (entries 4..7, seat = entry - 4;
// kNoHeart when none). Trick points are drawn with odds that put the queen of spades in trick 1
// or 2 a little more than one time in five, and always by trick 3; a trick holds at most four hearts, or
// three beside the queen. Seats that have already taken points are likelier to take more, as a player
// collecting hearts tends to keep on. Every hand shares out exactly 26 points, the queen counting
// 13; each of the thirteen hearts goes to one seat at most. The points still unshared after the
// twelfth trick are topped up without drawing a heart for a seat that already scored in the
// trick, so a seat may end with more points than hearts.
class HeartsTableSimulation {
  public:
    using SimulatedHand = std::array<std::array<int, 8>, 13>;
    // The hearts of one table not yet dealt: rank 0..12 holds rank + 2 until that heart is taken.
    using HeartsLeft = std::array<int, 13>;

    // Fills both arrays (128 tables each; grown when smaller): every table to no points and no
    // heart, every heart not yet taken; then simulates, in table order, every table 0 ..
    // tableCount - 1 except the human's (humanTable counts from 1).
    static void simulateRound(std::vector<SimulatedHand>& simTricks, std::vector<HeartsLeft>& simHearts,
                              int tableCount, int humanTable, RandomSequence& random);

    // One table, from a cleared hand and a full set of hearts. Draws, for tricks 1..12 in turn:
    // the trick's points (one draw, again while they exceed what is left), the seat taking them
    // (one draw), then a rank for each heart in the trick (one draw, again while that heart is
    // taken). Then, while points are left: a trick 3..12 (one draw); when that trick's total
    // allows one more point (0..3 or 13..15), every seat that has points in it gets one more (no
    // draw); an empty trick gives one point and one heart (rank draws as above) to a seat drawn
    // at random (one draw).
    static void simulateTable(SimulatedHand& hand, HeartsLeft& hearts, RandomSequence& random);

    // A cleared hand: no points, no heart, for every seat and trick.
    static SimulatedHand clearedHand();
    // All thirteen hearts not yet taken.
    static HeartsLeft fullHearts();
    // The points seat 0..3 takes over the whole hand.
    static int seatPoints(const SimulatedHand& hand, int seat);
    // The lowest heart seat 0..3 takes over the whole hand (kNoHeart when none).
    static int seatLowestHeart(const SimulatedHand& hand, int seat);
    // The points of one trick (one draw), before the check against what is left.
    static int drawPoints(int trick, bool queenTaken, RandomSequence& random);

  private:
    // Draws a heart not yet taken, marks it taken and records it as the seat's lowest in the trick.
    static void dealHeart(SimulatedHand& hand, HeartsLeft& hearts, int trick, int seat,
                          RandomSequence& random);
};

} // namespace velmora
