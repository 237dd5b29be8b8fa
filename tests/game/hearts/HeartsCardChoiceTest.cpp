#include "HeartsCards.h"

#include "games/hearts/HeartsCardChoice.h"
#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::test {
namespace {

// A hand-made situation: the seat's hand, the suit led, the cards down for seats 0, 1, 2, hearts
// broken, the first trick, and the place expected.
struct Case {
    const char* hand;
    std::string led;
    const char* down;
    bool broken, first;
    int slot;
};

void check(const Case& c) {
    SCOPED_TRACE(std::string(c.hand) + " on " + c.down);
    const Hand down = hand(c.down);
    const HeartsTrickView view{c.led, {down[0], down[1], down[2], Card{}}, c.broken, c.first};
    EXPECT_EQ(HeartsCardChoice::choose(hand(c.hand), view), c.slot);
}

TEST(HeartsCardChoice, AComputerSeatDucksWinsCheaplyOrUnloadsItsCostliestCard) {
    const Case cases[] = {
        {"3quadri 9quadri - 12quadri", "quadri", "5quadri 10quadri", false, false, 1}, // ducks under the best
        {"14quadri 12quadri 3cuori", "quadri", "10quadri 14fiori", false, false, 1},   // wins cheaply
        {"14cuori 3fiori 12picche", "quadri", "10quadri", false, false, 2},            // void: the queen
        {"4cuori 14fiori 11cuori", "quadri", "10quadri", false, false, 2},             // then the top heart
        {"9fiori 13picche 13fiori", "quadri", "2quadri", false, false, 1},             // then the top card
        {"2quadri 12picche", "fiori", "2fiori", false, true, 1},    // no first-trick bar for a computer
        {"5quadri - 2fiori", "", "", false, true, 2},               // the two of clubs leads
        {"8fiori 2cuori 5quadri 5picche", "", "", false, false, 2}, // lowest, not a heart
        {"8fiori 2cuori", "", "", true, false, 1},                  // a heart once broken
        {"- 9cuori 4cuori", "", "", false, false, 2},               // nothing but hearts
        {"", "fiori", "2fiori", false, false, -1},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(HeartsCardChoice, OnASpadeTrickTheQueenIsKeptBackAndTheLastSeatThrowsItsKingOrAce) {
    const Case cases[] = {
        {"12picche 5picche", "picche", "14picche", false, false, 1},  // the 5 ducks instead of the queen
        {"12picche 3cuori", "picche", "14picche", false, false, 0},   // the queen alone ducks
        {"12picche 14picche", "picche", "10picche", false, false, 1}, // the ace wins instead of the queen
        {"9picche 13picche", "picche", "12picche 11picche 10picche", false, false, 1}, // last: the king
        {"14picche 2picche 13picche", "picche", "5picche 3cuori 4picche", false, false, 0},
        {"9picche 13picche", "picche", "12picche 11picche", false, false, 0}, // not last
        {"12picche 5picche", "picche", "14picche 3cuori 4picche", false, false, 1}, // last: a queen is no king
    };
    for (const Case& c : cases)
        check(c);
}

// Whole hands of four computer seats: no seat is ever left without a card, every card is played
// once, 26 points are shared, and after the first trick every choice is one the human's rules
// would accept too.
TEST(HeartsCardChoice, WholeHandsOfComputerSeatsPlayEveryCardAndShareTwentySixPoints) {
    for (int seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSequence random;
        random.setState(static_cast<std::uint64_t>(seed) * 104729);
        std::array<Hand, 4> hands = dealt(random);
        int leader = HeartsRules::seatWithTwoOfClubs(hands);
        bool broken = false;
        int total = 0;
        std::set<std::string> played;
        for (int t = 0; t < 13; ++t) {
            HeartsTrickView trick{"", {}, broken, t == 0};
            for (int k = 0; k < 4; ++k) {
                const int seat = (leader + k) % 4;
                Hand& h = hands[static_cast<size_t>(seat)];
                const int slot = HeartsCardChoice::choose(h, trick);
                ASSERT_GE(slot, 0);
                const Card c = h[static_cast<size_t>(slot)];
                if (t > 0) {
                    EXPECT_TRUE(HeartsRules::humanMayPlay(h, slot, trick.ledSuit, trick.heartsBroken))
                        << c.code();
                }
                if (trick.ledSuit.empty()) trick.ledSuit = HeartsRules::suit(c);
                trick.trickCards[static_cast<size_t>(seat)] = c;
                played.insert(c.code());
                h[static_cast<size_t>(slot)] = Card{};
            }
            leader = HeartsRules::trickWinner(trick.trickCards, trick.ledSuit);
            total += HeartsRules::trickPoints(trick.trickCards);
            broken = broken || HeartsRules::breaksHearts(trick.trickCards);
        }
        EXPECT_EQ(total, kHeartsHandPoints);
        EXPECT_EQ(played.size(), 52u);
    }
}

} // namespace
} // namespace velmora::test
