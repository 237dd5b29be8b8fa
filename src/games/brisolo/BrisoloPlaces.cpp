#include "games/brisolo/BrisoloPlaces.h"

#include "games/brisolo/BrisoloColumns.h"
#include "tournament/TablePlaces.h"

#include <algorithm>

namespace velmora {

namespace {

struct Score {
    double points, manches, best;
};

Score scoreOf(const EntrantRow& row) {
    return {row[brisolo::kPoints].num(), row[brisolo::kManches].num(), row[brisolo::kBestManche].num()};
}

// True when `a` ranks below `b` or level with it: the later row of a full tie takes the choice.
bool notAbove(const Score& a, const Score& b) {
    if (a.points != b.points) return a.points < b.points;
    if (a.manches != b.manches) return a.manches < b.manches;
    return a.best <= b.best;
}

} // namespace

std::vector<int> BrisoloPlaces::eliminateTwo(EntrantTable& rows, int first) {
    std::vector<int> chosen;
    for (int time = 0; time < 2; ++time) {
        int loser = -1;
        for (int r = first; r < first + 4; ++r) {
            if (rows[r][entrant::kOut].is("1")) continue;
            if (loser < 0 || notAbove(scoreOf(rows[r]), scoreOf(rows[loser]))) loser = r;
        }
        if (loser < 0) break;
        rows[loser][entrant::kOut] = Value(1);
        chosen.push_back(loser);
    }
    return chosen;
}

std::array<int, 4> BrisoloPlaces::tablePlaces(const EntrantTable& rows, int first) {
    std::array<bool, 4> out{};
    for (int k = 0; k < 4; ++k)
        out[static_cast<size_t>(k)] = rows[static_cast<size_t>(first + k)][entrant::kOut].is("1");
    return placesAtTable(out, [&](int a, int b) {
        return !notAbove(scoreOf(rows[static_cast<size_t>(first + a)]),
                         scoreOf(rows[static_cast<size_t>(first + b)]));
    });
}

void BrisoloPlaces::placeFinalTable(EntrantTable& rows, int first) {
    bool placed[4] = {false, false, false, false};
    for (int place = 1; place <= 4; ++place) {
        int best = -1;
        for (int r = first; r < first + 4; ++r) {
            if (placed[r - first]) continue;
            if (best < 0 || notAbove(scoreOf(rows[best]), scoreOf(rows[r]))) best = r;
        }
        placed[best - first] = true;
        EntrantRow& row = rows[best];
        row[entrant::kPlaceGroup] = Value(std::min(place, 3));
        row[entrant::kOut] = Value(1);
        for (int c = entrant::kFirstScore; c <= entrant::kLastScore; ++c)
            row[c] = Value(0);
    }
}

} // namespace velmora
