#pragma once

#include <array>

namespace velmora {

class RandomSequence;

// One player's score at the end of a Hearts hand: the penalty points taken ("Pu") and the lowest
// heart taken ("Cuo", 2..14; 0 or 20 when none was taken).
struct HeartsScore {
    int points = 0;
    int lowestHeart = 0;
};

// Who goes through from a table of four, and the place group each player records.
struct HeartsTableOutcome {
    std::array<bool, 4> out{};       // the two players eliminated at this table
    std::array<int, 4> placeGroup{}; // 0 for a player going on; see HeartsQualification::decide
    int moonShooter = -1;            // the player who took all 26 points, or -1
};

// The end of a Hearts table: the two with the fewest points go through. On equal points the one
// who took the lower heart goes through (a player who took no heart counts as holding none, so
// below any heart). A player who takes all 26 points ("fa la luna") goes through with one of the
// three who took none, drawn at random. Positions 0..3 are the table's rows in order.
class HeartsQualification {
  public:
    static constexpr int kMoonPoints = 26;

    // The two players eliminated, in the order chosen. Without a moon: twice the player still in
    // with the most points, the higher (or missing) heart on equal points, the earlier row on a
    // full tie; consumes no draw. With a moon: draws a player (a random integer 0..3) until he
    // took no points; he and the shooter go through, the other two are out.
    static std::array<int, 2> eliminate(const std::array<HeartsScore, 4>& scores, RandomSequence& random);

    // The marks shown for another table while the human still plays. Without a moon, as
    // eliminate. With a moon: draws a player (a random integer 0..3) and eliminates him unless he
    // is the shooter or already out, until two are out.
    static std::array<int, 2> eliminateLive(const std::array<HeartsScore, 4>& scores, RandomSequence& random);

    // The whole table (eliminate, same draws) and the place groups: a player eliminated records
    // qualifierCount (the players going through the round he lost in), those going on 0. In the
    // final (qualifierCount 2) the two going through record the places 1 and 2 (see finalPlaces)
    // and the two eliminated share place 3.
    static HeartsTableOutcome decide(const std::array<HeartsScore, 4>& scores, int qualifierCount,
                                     RandomSequence& random);

    // Places 1 and 2 of a played final for the two not out (fewer points first, then the lower
    // heart, then the later row, as the elimination takes the earlier of two equal rows) and 3 for
    // the two out. No draw.
    static std::array<int, 4> finalPlaces(const std::array<HeartsScore, 4>& scores,
                                          const std::array<bool, 4>& out);

    // The finishing order of a decided table: the two going on ahead of the two out, each pair by
    // fewer points, then the lower heart (none ranks below any); two level on both share a place.
    // The moon shooter who goes on finishes behind his partner, who took no points. No draw.
    static std::array<int, 4> tablePlaces(const std::array<HeartsScore, 4>& scores,
                                          const std::array<bool, 4>& out);

    // The player who took all 26 points, or -1.
    static int moonShooter(const std::array<HeartsScore, 4>& scores);
    // The lowest heart taken as a rank for the tie-break: the heart's value, or 20 when none.
    static int heartRank(int lowestHeart);

  private:
    // The worse of the players not yet out: more points, then the higher heart, then the earlier.
    static int worstStillIn(const std::array<HeartsScore, 4>& scores, const std::array<bool, 4>& out);
};

} // namespace velmora
