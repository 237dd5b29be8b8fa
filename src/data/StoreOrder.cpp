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
    // The keys are read once: the sort compares each row many times.
    const size_t count = static_cast<size_t>(rows.rowCount());
    std::vector<double> numbers(count);
    std::vector<std::string_view> texts(count);
    for (size_t r = 0; r < count; ++r) {
        numbers[r] = rows.at(numberColumn, static_cast<int>(r)).num();
        texts[r] = rows.at(textColumn, static_cast<int>(r)).text();
    }
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const auto left = static_cast<size_t>(a), right = static_cast<size_t>(b);
        if (numbers[left] != numbers[right]) return numbers[left] > numbers[right];
        return compareNoCase(texts[left], texts[right]) < 0;
    });
    return order;
}

} // namespace velmora
