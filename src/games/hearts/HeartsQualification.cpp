#include "games/hearts/HeartsQualification.h"

#include "cards/RandomSequence.h"
#include "games/hearts/HeartsRules.h"
#include "tournament/TablePlaces.h"

namespace velmora {

namespace {

// True when a ranks strictly ahead of b for going through: fewer points, then the lower heart.
bool ahead(const HeartsScore& a, const HeartsScore& b) {
    if (a.points != b.points) return a.points < b.points;
    return HeartsQualification::heartRank(a.lowestHeart) < HeartsQualification::heartRank(b.lowestHeart);
}

} // namespace

int HeartsQualification::heartRank(int lowestHeart) {
    return lowestHeart >= 2 && lowestHeart <= 14 ? lowestHeart : kNoHeart;
}

int HeartsQualification::moonShooter(const std::array<HeartsScore, 4>& scores) {
    for (int p = 0; p < 4; ++p) {
        if (scores[static_cast<size_t>(p)].points == kMoonPoints) return p;
    }
    return -1;
}

int HeartsQualification::worstStillIn(const std::array<HeartsScore, 4>& scores,
                                      const std::array<bool, 4>& out) {
    int worst = -1;
    for (int p = 0; p < 4; ++p) {
        if (out[static_cast<size_t>(p)]) continue;
        // Only a strictly worse later row displaces the earlier one.
        if (worst < 0 || ahead(scores[static_cast<size_t>(worst)], scores[static_cast<size_t>(p)])) worst = p;
    }
    return worst;
}

std::array<int, 2> HeartsQualification::eliminate(const std::array<HeartsScore, 4>& scores,
                                                  RandomSequence& random) {
    std::array<bool, 4> out{};
    const int shooter = moonShooter(scores);
    int partner = -1;
    if (shooter >= 0) {
        bool anyClean = false;
        for (int p = 0; p < 4; ++p)
            anyClean = anyClean || (p != shooter && scores[static_cast<size_t>(p)].points == 0);
        if (anyClean) {
            do {
                partner = static_cast<int>(random.upTo(3));
            } while (partner == shooter || scores[static_cast<size_t>(partner)].points != 0);
        }
    }
    if (partner >= 0) {
        std::array<int, 2> losers{-1, -1};
        int n = 0;
        for (int p = 0; p < 4; ++p) {
            if (p != shooter && p != partner) losers[static_cast<size_t>(n++)] = p;
        }
        return losers;
    }
    // A score sheet where points do not add up (a moon beside another player's points) falls back
    // on the plain rule, which never leaves a table without its two out.
    std::array<int, 2> losers{};
    for (int& loser : losers) {
        loser = worstStillIn(scores, out);
        out[static_cast<size_t>(loser)] = true;
    }
    return losers;
}

std::array<int, 2> HeartsQualification::eliminateLive(const std::array<HeartsScore, 4>& scores,
                                                      RandomSequence& random) {
    if (moonShooter(scores) < 0) return eliminate(scores, random);
    std::array<int, 2> losers{-1, -1};
    int n = 0;
    while (n < 2) {
        const int p = static_cast<int>(random.upTo(3));
        if (scores[static_cast<size_t>(p)].points == kMoonPoints || p == losers[0]) continue;
        losers[static_cast<size_t>(n++)] = p;
    }
    return losers;
}

std::array<int, 4> HeartsQualification::finalPlaces(const std::array<HeartsScore, 4>& scores,
                                                    const std::array<bool, 4>& out) {
    std::array<int, 4> places{};
    int first = -1;
    for (int p = 0; p < 4; ++p) {
        if (out[static_cast<size_t>(p)]) {
            places[static_cast<size_t>(p)] = 3;
        } else if (first < 0 || !ahead(scores[static_cast<size_t>(first)], scores[static_cast<size_t>(p)])) {
            // A later row level with the earlier one takes first place: on a full tie the
            // elimination puts the earlier row out first, so the earlier row ranks lower here too.
            first = p;
        }
    }
    for (int p = 0; p < 4; ++p) {
        if (!out[static_cast<size_t>(p)]) places[static_cast<size_t>(p)] = p == first ? 1 : 2;
    }
    return places;
}

std::array<int, 4> HeartsQualification::tablePlaces(const std::array<HeartsScore, 4>& scores,
                                                    const std::array<bool, 4>& out) {
    return placesAtTable(out, [&](int a, int b) {
        return ahead(scores[static_cast<size_t>(a)], scores[static_cast<size_t>(b)]);
    });
}

HeartsTableOutcome HeartsQualification::decide(const std::array<HeartsScore, 4>& scores, int qualifierCount,
                                               RandomSequence& random) {
    HeartsTableOutcome outcome;
    outcome.moonShooter = moonShooter(scores);
    for (int loser : eliminate(scores, random))
        outcome.out[static_cast<size_t>(loser)] = true;
    if (qualifierCount == 2) {
        outcome.placeGroup = finalPlaces(scores, outcome.out);
        return outcome;
    }
    for (int p = 0; p < 4; ++p)
        outcome.placeGroup[static_cast<size_t>(p)] = outcome.out[static_cast<size_t>(p)] ? qualifierCount : 0;
    return outcome;
}

} // namespace velmora
