#include "games/hearts/HeartsPassChoice.h"

#include "cards/RandomSequence.h"
#include "games/hearts/HeartsRules.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora {

namespace {

// The order suits are weighed in; the earlier wins a tie.
constexpr const char* kPassSuits[4] = {kClubs, kDiamonds, kSpades, kHearts};
constexpr int kHeartIndex = 3;
// A random place is a random integer 0..12.
constexpr double kLastPlace = kHeartsHandSlots - 1;

struct SuitTally {
    int count = 0;
    int sum = 0;
    int average10 = 0; // ten times the average value, rounded

    void recomputeAverage() {
        // Worked in single precision and rounded halves to even, as the weights were always worked.
        if (count > 0)
            average10 =
                static_cast<int>(std::nearbyint(static_cast<float>(sum * 10) / static_cast<float>(count)));
    }
    void take(int value) {
        --count;
        sum -= value;
        recomputeAverage();
    }
    // ten times the average times the total, plus the count; at most about 8500, so it fits the
    // 16-bit integers the scores were always kept in.
    int score() const { return count > 0 ? average10 * sum + count : 0; }
};

int suitIndex(const Card& card) {
    for (int s = 0; s < 4; ++s) {
        if (card.colour.is(kPassSuits[s])) return s;
    }
    return -1;
}

bool holds(const Card& card) {
    return HeartsRules::value(card) != 0;
}

int countEmpty(const Hand& hand) {
    int empty = 0;
    for (int i = 0; i < kHeartsHandSlots; ++i)
        empty += holds(hand[static_cast<size_t>(i)]) ? 0 : 1;
    return empty;
}

// Draws distinct places 0..12 of the hand that hold a card.
std::array<int, 3> drawHeldPlaces(const Hand& hand, int count, RandomSequence& random) {
    std::array<int, 3> places{-1, -1, -1};
    for (int k = 0; k < count; ++k) {
        int r = 0;
        do {
            r = static_cast<int>(random.upTo(kLastPlace));
        } while (!holds(hand[static_cast<size_t>(r)]) ||
                 std::find(places.begin(), places.end(), r) != places.end());
        places[static_cast<size_t>(k)] = r;
    }
    return places;
}

} // namespace

std::string HeartsPassChoice::drawDirection(RandomSequence& random) {
    switch (random.upTo(2)) {
    case 0:
        return "destra";
    case 1:
        return "sinistra";
    default:
        return "davanti";
    }
}

std::string HeartsPassChoice::caption(const std::string& direction) {
    if (direction == "davanti") return "Passa 3 carte davanti";
    return "Passa 3 carte a " + direction;
}

int HeartsPassChoice::givingSeat(const std::string& direction) {
    if (direction == "destra") return 0;
    if (direction == "davanti") return 1;
    if (direction == "sinistra") return 2;
    return -1;
}

HeartsPassChoice::ThreeCards HeartsPassChoice::choose(const Hand& hand) {
    Hand work{};
    std::array<SuitTally, 4> tally{};
    for (int i = 0; i < kHeartsHandSlots; ++i) {
        const Card& card = hand[static_cast<size_t>(i)];
        const int s = suitIndex(card);
        if (!holds(card) || s < 0) continue;
        work[static_cast<size_t>(i)] = card;
        ++tally[static_cast<size_t>(s)].count;
        tally[static_cast<size_t>(s)].sum += HeartsRules::value(card);
    }
    for (SuitTally& t : tally)
        t.recomputeAverage();

    ThreeCards chosen{};
    int next = 0;
    auto give = [&](int slot, int s) {
        Card& card = work[static_cast<size_t>(slot)];
        chosen[static_cast<size_t>(next++)] = card;
        tally[static_cast<size_t>(s)].take(HeartsRules::value(card));
        card = Card{};
    };

    if (tally[kHeartIndex].count >= 3) {
        for (int i = 0; i < kHeartsHandSlots; ++i) {
            const Card& card = work[static_cast<size_t>(i)];
            if (!HeartsRules::isHeart(card)) continue;
            int higher = 0;
            for (const Card& other : work)
                higher += HeartsRules::isHeart(other) && HeartsRules::value(other) > HeartsRules::value(card);
            if (higher == 1) {
                give(i, kHeartIndex);
                break;
            }
        }
    }

    while (next < 3) {
        int best = 0;
        int bestSuit = -1;
        for (int s = 0; s < 4; ++s) {
            if (tally[static_cast<size_t>(s)].score() > best) {
                best = tally[static_cast<size_t>(s)].score();
                bestSuit = s;
            }
        }
        if (bestSuit < 0) break; // fewer than three cards in hand
        int highest = -1;
        for (int i = 0; i < kHeartsHandSlots; ++i) {
            const Card& card = work[static_cast<size_t>(i)];
            if (suitIndex(card) != bestSuit || !holds(card)) continue;
            if (highest < 0 ||
                HeartsRules::value(card) > HeartsRules::value(work[static_cast<size_t>(highest)]))
                highest = i;
        }
        give(highest, bestSuit);
    }
    return chosen;
}

void HeartsPassChoice::randomPass(Hand& from, Hand& to, RandomSequence& random) {
    const int held = kHeartsHandSlots - countEmpty(from);
    const int moves = std::min({3, countEmpty(to), held});
    int moved = 0;
    while (moved < moves) {
        const auto r1 = static_cast<size_t>(random.upTo(kLastPlace));
        const auto r2 = static_cast<size_t>(random.upTo(kLastPlace));
        if (holds(to[r1]) || !holds(from[r2])) continue;
        to[r1] = from[r2];
        from[r2] = Card{};
        ++moved;
    }
}

void HeartsPassChoice::placeRandomly(Hand& hand, const ThreeCards& cards, RandomSequence& random) {
    for (const Card& card : cards) {
        if (!holds(card) || countEmpty(hand) == 0) continue;
        size_t r = 0;
        do {
            r = static_cast<size_t>(random.upTo(kLastPlace));
        } while (holds(hand[r]));
        hand[r] = card;
    }
}

void HeartsPassChoice::removeCards(Hand& hand, const ThreeCards& cards) {
    for (int i = 0; i < kHeartsHandSlots; ++i) {
        Card& slot = hand[static_cast<size_t>(i)];
        if (!holds(slot)) continue;
        for (const Card& card : cards) {
            if (holds(card) && HeartsRules::value(slot) == HeartsRules::value(card) &&
                HeartsRules::suit(slot) == HeartsRules::suit(card)) {
                slot = Card{};
                break;
            }
        }
    }
}

void HeartsPassChoice::swapAcross(Hand& seat0, Hand& seat2, RandomSequence& random) {
    const int count =
        std::min({3, kHeartsHandSlots - countEmpty(seat0), kHeartsHandSlots - countEmpty(seat2)});
    const std::array<int, 3> from0 = drawHeldPlaces(seat0, count, random);
    const std::array<int, 3> from2 = drawHeldPlaces(seat2, count, random);
    for (int k = 0; k < count; ++k)
        std::swap(seat0[static_cast<size_t>(from0[static_cast<size_t>(k)])],
                  seat2[static_cast<size_t>(from2[static_cast<size_t>(k)])]);
}

HeartsPassChoice::ThreeCards HeartsPassChoice::pass(std::array<Hand, 4>& hands, const std::string& direction,
                                                    const ThreeCards& humanCards, RandomSequence& random) {
    const int giver = givingSeat(direction);
    if (giver < 0) throw std::invalid_argument("unknown pass direction: " + direction);
    const ThreeCards toHuman = choose(hands[static_cast<size_t>(giver)]);

    Hand& human = hands[3];
    int next = 0;
    for (int i = 0; i < kHeartsHandSlots && next < 3; ++i) {
        if (holds(human[static_cast<size_t>(i)])) continue;
        human[static_cast<size_t>(i)] = toHuman[static_cast<size_t>(next++)];
    }

    if (direction == "destra") {
        removeCards(hands[0], toHuman);
        randomPass(hands[1], hands[0], random);
        randomPass(hands[2], hands[1], random);
        placeRandomly(hands[2], humanCards, random);
    } else if (direction == "sinistra") {
        removeCards(hands[2], toHuman);
        randomPass(hands[1], hands[2], random);
        randomPass(hands[0], hands[1], random);
        placeRandomly(hands[0], humanCards, random);
    } else {
        // Across, seat 1 takes the human's cards in the very places its own three leave.
        for (int i = 0; i < kHeartsHandSlots; ++i) {
            Card& slot = hands[1][static_cast<size_t>(i)];
            for (int k = 0; k < 3; ++k) {
                const Card& given = toHuman[static_cast<size_t>(k)];
                if (holds(slot) && holds(given) && slot == given) {
                    slot = humanCards[static_cast<size_t>(k)];
                    break;
                }
            }
        }
        // Every seat passes: the two seats facing each other across the table swap too.
        swapAcross(hands[0], hands[2], random);
    }
    return toHuman;
}

} // namespace velmora
