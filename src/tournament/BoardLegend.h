#pragma once

#include <string>

namespace velmora {

// What the boards' short column headings mean, in the player's words, for the tooltips of the
// headers and of the columns beneath them.
class BoardLegend {
  public:
    // The meaning of one heading word ("El", "Pu", "Cuo", ...), "" for a word that says it all.
    // "Pu" counts penalty points on a Hearts board (the one with a "Cuo" column) and the points
    // won everywhere else.
    static std::string meaning(const std::string& word, bool penaltyPoints);
    // The meaning of every short word of a header, one per line, in the header's order.
    static std::string legend(const std::string& header);
    // Whether a header is a Hearts board's (it shows the lowest heart taken).
    static bool countsPenalties(const std::string& header);
};

} // namespace velmora
