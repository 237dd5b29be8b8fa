#pragma once

#include "state/EntrantTable.h"

#include <array>
#include <vector>

namespace velmora {

// The order of a Brisolo table once its thirteen manches are played: points taken (column 11)
// first, then manches won (column 12), then the richest single manche (column 14). On a full tie
// the later row is preferred either way, as the later of two equal cards takes a manche.
class BrisoloPlaces {
  public:
    // Marks two players of the table starting at row `first` as out (column 8 = 1), each time the
    // one still in with the fewest points, then fewer manches, then the smaller best manche; on a
    // full tie the later row goes out. Returns the rows marked, in the order they were chosen.
    static std::vector<int> eliminateTwo(EntrantTable& rows, int first);

    // The finishing order of the decided table starting at row `first`, by row: the two going on
    // ahead of the two out (column 8), each pair by points, then manches, then best manche; two
    // level on all three share a place.
    static std::array<int, 4> tablePlaces(const EntrantTable& rows, int first);

    // Places 1..4 of the final table starting at row `first`: each place goes to the best row not
    // yet placed (most points, then manches, then best manche; the later row on a full tie). The
    // fourth is recorded as 3, like both losers of every other final. The placed row gets column
    // 9 = the place, column 8 = 1 and its round scores (columns 11..14) cleared.
    static void placeFinalTable(EntrantTable& rows, int first);
};

} // namespace velmora
