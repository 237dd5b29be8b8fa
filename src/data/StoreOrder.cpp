#include "data/StoreOrder.h"

#include <algorithm>
#include <numeric>

namespace velmora {

namespace {

unsigned char folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

int StoreOrder::compareNoCase(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        if (folded(a[i]) != folded(b[i])) return folded(a[i]) < folded(b[i]) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

std::vector<int> StoreOrder::byNumberDescThenText(const Rows& rows, int numberColumn, int textColumn) {
    std::vector<int> order(static_cast<size_t>(rows.rowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double left = rows.at(numberColumn, a).num(), right = rows.at(numberColumn, b).num();
        if (left != right) return left > right;
        return compareNoCase(rows.at(textColumn, a).text(), rows.at(textColumn, b).text()) < 0;
    });
    return order;
}

} // namespace velmora
