#include "games/brisolo/BrisoloCardChoice.h"

#include "data/Value.h"
#include "games/brisolo/BrisoloRules.h"

#include <algorithm>

namespace velmora {

namespace {

// A draw out of 100 at or below this sends the seat off its usual play (about one time in twelve).
constexpr long long kOddPlay = 8;

} // namespace

BrisoloCardChoice::BrisoloCardChoice(const Hand& hand, std::span<const Card> cardsDown, int cardsLeft)
    : m_cardsLeft(cardsLeft) {
    for (int j = 0; j < kSlots; ++j) {
        m_values[static_cast<size_t>(j)] = BrisoloRules::cardPoints(hand[static_cast<size_t>(j)]);
        if (holds(j)) ++m_cards;
    }
    for (int j = 0; j < kHandSlots; ++j) {
        if (BrisoloRules::cardPoints(hand[static_cast<size_t>(j)]) > 0) {
            m_firstCard = j;
            break;
        }
    }
    for (const Card& card : cardsDown) {
        const int v = BrisoloRules::cardPoints(card);
        if (v <= 0) continue;
        ++m_onTable;
        m_high = std::max(m_high, v);
        m_manchePoints += v;
    }
}

int BrisoloCardChoice::choose(RandomSequence& random) const {
    // Cards left beyond the first 13 places only when the hand was not packed: play the first.
    if (m_cards == 0) return m_firstCard;
    for (int attempt = 0; attempt < kMaxDecisions; ++attempt) {
        const int slot = decide(random);
        if (slot >= 0) return slot;
    }
    return lowestSlot();
}

int BrisoloCardChoice::decide(RandomSequence& random) const {
    if (m_onTable == 0) return lead(random);
    if (m_onTable < 3) return middle(random);
    return last(random);
}

int BrisoloCardChoice::lead(RandomSequence& random) const {
    if (random.upTo(100) <= kOddPlay) {
        for (int tries = 0; tries < kMaxTries; ++tries) {
            const int k = static_cast<int>(random.upTo(12));
            if (holds(k)) return k;
        }
        return -1;
    }
    const long long r2 = random.upTo(100);
    if (r2 <= kOddPlay) {
        // A middling card: with a full hand the 4th to 6th lowest, or the 7th to 9th.
        const int above = r2 == 1 ? 2 : 5;
        const int below = r2 == 1 ? 6 : 9;
        for (int j = 0; j < kSlots; ++j) {
            if (holds(j) && rank(j) > above && rank(j) < below) return j;
        }
        return -1;
    }
    // Leading gives the three seats after it the chance to beat the card: lead cheap.
    return lowestSlot();
}

int BrisoloCardChoice::middle(RandomSequence& random) const {
    if (random.upTo(100) >= takeBar()) return lowestSlot();
    if (random.upTo(100) <= kOddPlay) {
        const int pick = randomReachingCard(random);
        return pick >= 0 ? pick : lowestSlot();
    }
    // Seats still to play may beat it anyway, so spend no more than needed.
    const int above = closestAboveSlot();
    return above >= 0 ? above : lowestSlot();
}

int BrisoloCardChoice::last(RandomSequence& random) const {
    const int reaching = cardsReaching();
    // Nothing can take the manche: give away as little as possible.
    if (reaching == 0) return lowestSlot();
    if (random.upTo(100) <= kOddPlay) return randomRisingCard(random);
    if (m_manchePoints < 25 && reaching > 4) {
        const int cheap = cheapWinner(random);
        return cheap >= 0 ? cheap : highestSlot();
    }
    // Playing last, an equal card is enough and the highest card is sure to take the manche.
    return highestSlot();
}

int BrisoloCardChoice::randomReachingCard(RandomSequence& random) const {
    for (int pass = 0; pass < 100; ++pass) {
        int pick = -1;
        for (int j = 0; j < kSlots; ++j) {
            if (holds(j) && value(j) >= m_high && random.upTo(10) < 3) pick = j;
        }
        if (pick >= 0) return pick;
    }
    return -1;
}

int BrisoloCardChoice::randomRisingCard(RandomSequence& random) const {
    for (int scan = 0; scan < kMaxTries; ++scan) {
        int pick = -1;
        int running = 0;
        for (int j = 0; j < kSlots; ++j) {
            if (holds(j) && value(j) > running && random.upTo(100) >= 41) {
                pick = j;
                running = value(j);
            }
        }
        if (pick >= 0) return pick;
    }
    return -1;
}

int BrisoloCardChoice::cheapWinner(RandomSequence& random) const {
    for (int draw = 0; draw <= 20; ++draw) {
        const long long target = 3 + random.upTo(2);
        for (int j = 0; j < kSlots; ++j) {
            if (holds(j) && cardsAtMost(j) == target) return j;
        }
    }
    return -1;
}

int BrisoloCardChoice::lowestSlot() const {
    int best = 100;
    int slot = -1;
    for (int j = 0; j < kSlots; ++j) {
        if (holds(j) && value(j) < best) {
            best = value(j);
            slot = j;
        }
    }
    return slot;
}

int BrisoloCardChoice::highestSlot() const {
    int best = 0;
    int slot = -1;
    for (int j = 0; j < kSlots; ++j) {
        if (holds(j) && value(j) > best) {
            best = value(j);
            slot = j;
        }
    }
    return slot;
}

int BrisoloCardChoice::closestAboveSlot() const {
    int margin = 100;
    int slot = -1;
    for (int j = 0; j < kSlots; ++j) {
        if (holds(j) && value(j) > m_high && value(j) - m_high < margin) {
            margin = value(j) - m_high;
            slot = j;
        }
    }
    return slot;
}

int BrisoloCardChoice::rank(int slot) const {
    int lower = 0;
    for (int j = 0; j < kSlots; ++j) {
        if (j != slot && value(j) < value(slot)) ++lower;
    }
    return lower;
}

int BrisoloCardChoice::cardsAtMost(int slot) const {
    int count = 0;
    for (int j = 0; j < kSlots; ++j) {
        if (holds(j) && value(j) <= value(slot)) ++count;
    }
    return count;
}

int BrisoloCardChoice::cardsReaching() const {
    int count = 0;
    for (int j = 0; j < kSlots; ++j) {
        if (holds(j) && value(j) >= m_high) ++count;
    }
    return count;
}

int BrisoloCardChoice::takeBar() const {
    int sum = 0;
    for (int v : m_values)
        sum += v;
    const long long average = m_cards > 0 ? roundEven(static_cast<double>(sum) / m_cards) : 0;
    const long long bar = average + roundEven(m_cardsLeft / 2.0) + 82;
    return static_cast<int>(std::min(bar, 100LL));
}

} // namespace velmora
