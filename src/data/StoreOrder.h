#pragma once

#include "data/Rows.h"

#include <string_view>
#include <vector>

namespace velmora {

// The order the store's ORDER BY gives rows read without one, in storage order: its sorter keeps
// rows that tie on every term in the order it read them, so a stable sort on the same terms lists
// them exactly as the store would, and one read of a table can serve several orders and filters.
class StoreOrder {
  public:
    // Compares two texts under the case-blind collation of the game's text columns: A-Z match a-z,
    // every other byte compares as it stands, and a text that begins another comes first.
    // Negative, 0 or positive, like strcmp.
    static int compareNoCase(std::string_view a, std::string_view b);
    // The rows of `rows` (numbers 0..last) by a column of whole numbers, highest first, then a text
    // column case-blind, A first. Only for columns that hold exactly those kinds of value: the store
    // puts a missing value or a text among numbers elsewhere.
    static std::vector<int> byNumberDescThenText(const Rows& rows, int numberColumn, int textColumn);
};

} // namespace velmora
