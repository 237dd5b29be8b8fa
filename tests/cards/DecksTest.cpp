#include "cards/Decks.h"
#include "cards/CounterStore.h"
#include "cards/ForcedDraw.h"
#include "cards/RandomCounter.h"
#include "cards/RandomSequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace velmora {
namespace {

using test::CounterStore;
using test::stateForDraw;

std::vector<std::string> codes(const std::vector<Card>& deck) {
    std::vector<std::string> out;
    for (const Card& c : deck)
        out.push_back(c.code());
    return out;
}

bool numberCard(const Card& c) {
    const std::string v = c.value.str();
    return !v.empty() && v[0] >= '0' && v[0] <= '9';
}

// An independent, plain restatement of the shuffle rules, used as the expectation: skip counter + 1
// numbers, step the counter, draw the swap count, swap distinct random pairs, and for Uno bring a
// number card to place 40. Also reports whether place 40 needed that fix.
std::vector<Card> referenceShuffle(std::vector<Card> deck, bool uno, double counter, std::uint64_t state,
                                   bool* fixedFortieth = nullptr) {
    RandomSequence r;
    r.setState(state);
    auto integer = [&](double n) { return static_cast<long long>(std::nearbyint(r.next() * n)); };
    for (long long i = 0; i <= static_cast<long long>(std::nearbyint(counter)); ++i)
        r.next();
    r.next(); // the counter's step
    const long long top = static_cast<long long>(deck.size()) - 1;
    const long long swaps = integer(31000);
    for (long long k = 0; k <= swaps; ++k) {
        long long a, b;
        do {
            a = integer(static_cast<double>(top));
            b = integer(static_cast<double>(top));
        } while (a == b);
        std::swap(deck[a], deck[b]);
    }
    if (fixedFortieth) *fixedFortieth = false;
    if (uno && !numberCard(deck[40])) {
        for (size_t i = 41; i < deck.size(); ++i) {
            if (numberCard(deck[i])) {
                std::swap(deck[40], deck[i]);
                if (fixedFortieth) *fixedFortieth = true;
                break;
            }
        }
    }
    return deck;
}

TEST(Decks, UnoDeckHoldsEveryCardOnceInItsBuildingOrder) {
    const std::vector<Card> deck = buildUnoDeck();
    ASSERT_EQ(deck.size(), 108u);
    std::map<std::string, int> count;
    for (const Card& c : deck)
        ++count[c.code()];
    for (const char* colour : {"rosso", "giallo", "verde", "blu"}) {
        const std::string k = colour;
        EXPECT_EQ(count["0" + k], 1) << k;
        for (int v = 1; v <= 9; ++v)
            EXPECT_EQ(count[std::to_string(v) + k], 2) << v << k;
        for (const char* word : {"cambiagiro", "saltaturno", "piu2"})
            EXPECT_EQ(count[word + k], 2) << word << k;
    }
    EXPECT_EQ(count["cambiacolore"], 4);
    EXPECT_EQ(count["piu4"], 4);
    EXPECT_EQ(count.size(), 4u * 13 + 2);

    // Numbers first (the 0s in the first pass only), then the actions in pairs, then the wild cards.
    const std::vector<std::string> c = codes(deck);
    EXPECT_EQ(c[0], "0rosso");
    EXPECT_EQ(c[3], "0blu");
    EXPECT_EQ(c[4], "1rosso");
    EXPECT_EQ(c[39], "9blu");
    EXPECT_EQ(c[40], "1rosso");
    EXPECT_EQ(c[75], "9blu");
    EXPECT_EQ(c[76], "cambiagirorosso");
    EXPECT_EQ(c[77], "cambiagirorosso");
    EXPECT_EQ(c[78], "cambiagirogiallo");
    EXPECT_EQ(c[84], "saltaturnorosso");
    EXPECT_EQ(c[92], "piu2rosso");
    EXPECT_EQ(c[99], "piu2blu");
    for (int i = 100; i < 104; ++i)
        EXPECT_EQ(c[i], "cambiacolore");
    for (int i = 104; i < 108; ++i)
        EXPECT_EQ(c[i], "piu4");
    // Wild cards are colourless: the colour reads as empty, as the game tests it.
    EXPECT_TRUE(deck[100].colour.isEmpty());
    EXPECT_TRUE(deck[107].colour.is("0"));
    EXPECT_FALSE(deck[0].empty()); // the red 0 is a card, not a free place
}

TEST(Decks, FrenchDeckRunsTwoToAceInEachSuit) {
    const std::vector<Card> deck = buildFrenchDeck();
    ASSERT_EQ(deck.size(), 52u);
    const char* suits[] = {"picche", "cuori", "fiori", "quadri"};
    for (int s = 0; s < 4; ++s) {
        for (int v = 2; v <= 14; ++v) {
            const Card& card = deck[13 * s + (v - 2)];
            EXPECT_EQ(card.value.num(), v);
            EXPECT_TRUE(card.colour.is(suits[s]));
        }
    }
    EXPECT_EQ(deck[0].code(), "2picche");
    EXPECT_EQ(deck[38].code(), "14fiori");
    EXPECT_EQ(deck[51].code(), "14quadri");
}

TEST(Shuffle, MatchesThePlainRulesExactlyAndMovesTheCounter) {
    // Expectation from the independent reference above, checked for both decks and for an Uno
    // shuffle with and one without the place-40 fix.
    bool sawFix = false, sawNoFix = false;
    for (std::uint64_t seed = 1; seed <= 40 && !(sawFix && sawNoFix); ++seed) {
        const std::uint64_t state = seed * 0x1234567ULL;
        CounterStore counter(37);
        RandomSequence random;
        random.setState(state);
        std::vector<Card> deck = buildUnoDeck();
        shuffleDeck(deck, true, counter.store(), random);
        bool fixed = false;
        EXPECT_EQ(codes(deck), codes(referenceShuffle(buildUnoDeck(), true, 37, state, &fixed))) << seed;
        (fixed ? sawFix : sawNoFix) = true;

        // The stored counter grew by the fraction of 1000 drawn after the skipped numbers.
        RandomSequence again;
        again.setState(state);
        for (int i = 0; i < 38; ++i)
            again.next();
        EXPECT_EQ(counter.counter(), std::nearbyint(37 + again.next() * 1000)) << seed;
    }
    EXPECT_TRUE(sawFix);
    EXPECT_TRUE(sawNoFix);

    CounterStore counter(1200);
    RandomSequence random;
    random.setState(99);
    std::vector<Card> deck = buildFrenchDeck();
    shuffleDeck(deck, false, counter.store(), random);
    EXPECT_EQ(codes(deck), codes(referenceShuffle(buildFrenchDeck(), false, 1200, 99)));
}

TEST(Shuffle, UnoAlwaysOpensOnANumberAndKeepsTheCards) {
    CounterStore counter(0);
    RandomSequence random;
    const std::vector<std::string> sorted = [] {
        auto c = codes(buildUnoDeck());
        std::sort(c.begin(), c.end());
        return c;
    }();
    std::set<std::string> fortieth;
    for (int run = 0; run < 300; ++run) {
        std::vector<Card> deck = buildUnoDeck();
        shuffleDeck(deck, true, counter.store(), random);
        ASSERT_TRUE(numberCard(deck[40])) << "run " << run << ": " << deck[40].code();
        fortieth.insert(deck[40].code());
        auto c = codes(deck);
        std::sort(c.begin(), c.end());
        ASSERT_EQ(c, sorted) << "run " << run;
    }
    EXPECT_GT(fortieth.size(), 20u); // the opening card really varies
}

TEST(Shuffle, ASwapCountOfZeroStillSwapsOnePair) {
    // Counter 0: one number skipped, one for the counter's step, then the swap count is draw 3.
    CounterStore counter(0);
    RandomSequence random;
    random.setState(stateForDraw(0.00001, 3));
    RandomSequence check = random;
    check.next();
    check.next();
    ASSERT_EQ(check.upTo(31000), 0) << "the forced draw did not come out";

    std::vector<Card> deck = buildFrenchDeck();
    shuffleDeck(deck, false, counter.store(), random);
    const std::vector<Card> fresh = buildFrenchDeck();
    int moved = 0;
    for (size_t i = 0; i < deck.size(); ++i)
        moved += !(deck[i] == fresh[i]);
    EXPECT_EQ(moved, 2);
}

TEST(Shuffle, TheCounterWrapsAt27000) {
    // 26900 numbers plus one are skipped, then the step draw is forced to 0.6: 26900 + 600 = 27500.
    CounterStore counter(26900);
    RandomSequence random;
    random.setState(stateForDraw(0.6, 26902));
    RandomSequence check = random;
    for (int i = 0; i < 26901; ++i)
        check.next();
    ASSERT_NEAR(check.next(), 0.6, 1e-12) << "the forced draw did not come out";

    advanceRandomCounter(counter.store(), random);
    EXPECT_EQ(counter.counter(), 500);
}

TEST(Deal, HandsOutConsecutiveBlocksAndEmptiesTheRest) {
    const std::vector<Card> deck = buildUnoDeck();
    std::array<Hand, 4> hands{};
    for (Hand& h : hands)
        h.fill(Card{Value("piu4"), Value(0)}); // left-overs of an earlier hand
    int dealIndex = 0;
    dealHands(deck, hands, 10, dealIndex);
    EXPECT_EQ(dealIndex, 40);
    for (int seat = 0; seat < 4; ++seat) {
        for (int slot = 0; slot < kHandSlots; ++slot) {
            const Card& card = hands[seat][slot];
            if (slot < 10) {
                EXPECT_EQ(card, deck[10 * seat + slot]) << seat << "/" << slot;
            } else {
                EXPECT_TRUE(card.empty()) << seat << "/" << slot;
            }
        }
    }

    const std::vector<Card> french = buildFrenchDeck();
    dealIndex = 0;
    dealHands(french, hands, 13, dealIndex);
    EXPECT_EQ(dealIndex, 52);
    EXPECT_EQ(hands[3][12].code(), "14quadri");
    EXPECT_TRUE(hands[3][13].empty());

    // A deal the deck cannot cover is refused rather than read past its end.
    dealIndex = 0;
    EXPECT_THROW(dealHands(french, hands, 14, dealIndex), std::invalid_argument);
    dealIndex = 100;
    EXPECT_THROW(dealHands(deck, hands, 10, dealIndex), std::invalid_argument);
}

} // namespace
} // namespace velmora
