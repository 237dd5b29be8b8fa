#pragma once

#include <string>
#include <vector>

namespace velmora {

// The pages of a ranking list: 25 players a page, labelled by their first and last place ("1-25",
// "26-50", ..). The last page holds what is left, a single player included, so no page ever lists
// more lines than the screen has flags for.
class RankingPages {
  public:
    static constexpr int kLinesPerPage = 25;

    // Labels of the pages of a list of count players; an empty list has the one page "1-0".
    static std::vector<std::string> labels(int count);

    // First and last row (0-based, inclusive) a page shows.
    struct Rows {
        int first = 0;
        int last = -1;
    };
    // The rows of the page with this label; a label that names no page shows the last page.
    static Rows rowsOf(const std::string& label, int count);
};

} // namespace velmora
