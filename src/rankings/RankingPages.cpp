#include "rankings/RankingPages.h"

#include <algorithm>

namespace velmora {

std::vector<std::string> RankingPages::labels(int count) {
    if (count <= 0) return {"1-0"};
    std::vector<std::string> pages;
    for (int first = 1; first <= count; first += kLinesPerPage) {
        const int last = std::min(first + kLinesPerPage - 1, count);
        pages.push_back(std::to_string(first) + "-" + std::to_string(last));
    }
    return pages;
}

RankingPages::Rows RankingPages::rowsOf(const std::string& label, int count) {
    if (count <= 0) return {};
    const std::vector<std::string> pages = labels(count);
    auto found = std::find(pages.begin(), pages.end(), label);
    const int page =
        found == pages.end() ? static_cast<int>(pages.size()) - 1 : static_cast<int>(found - pages.begin());
    const int first = page * kLinesPerPage;
    return {first, std::min(first + kLinesPerPage, count) - 1};
}

} // namespace velmora
