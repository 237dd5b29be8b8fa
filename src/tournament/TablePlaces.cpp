#include "tournament/TablePlaces.h"

namespace velmora {

std::array<int, 4> placesAtTable(const std::array<bool, 4>& out,
                                 const std::function<bool(int a, int b)>& ahead) {
    std::array<int, 4> places{};
    for (int p = 0; p < 4; ++p) {
        int before = 0;
        for (int q = 0; q < 4; ++q) {
            if (q == p) continue;
            const bool sameFate = out[static_cast<size_t>(q)] == out[static_cast<size_t>(p)];
            if (sameFate ? ahead(q, p) : out[static_cast<size_t>(p)]) ++before;
        }
        places[static_cast<size_t>(p)] = 1 + before;
    }
    return places;
}

} // namespace velmora
