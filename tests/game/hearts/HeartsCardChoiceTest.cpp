#include "HeartsCards.h"

#include "games/hearts/HeartsCardChoice.h"
#include "games/hearts/HeartsRules.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::test {
namespace {

// The trick so far: the cards down for seats 0, 1, 2 ("" for none); the choosing seat is 3.
HeartsTrickView view(const std::string& led, std::initializer_list<const char*> down, bool broken = false,
                     bool first = false) {
    HeartsTrickView v;
    v.ledSuit = led;
    size_t i = 0;
    for (const char* code : down) {
        if (*code != '\0') v.trickCards[i] = card(code);
        ++i;
    }
    v.heartsBroken = broken;
    v.firstTrick = first;
    return v;
}

TEST(HeartsCardChoice, AComputerSeatDucksWinsCheaplyOrUnloadsItsCostliestCard) {
    struct Case {
        const char* what;
        Hand cards;
        HeartsTrickView trick;
        int slot;
    };
    const Case cases[] = {
        {"ducks under the best card down", hand({"3quadri", "9quadri", "", "12quadri", "8quadri"}),
         view("quadri", {"5quadri", "10quadri"}), 1},
        {"wins as cheaply as it can", hand({"14quadri", "12quadri", "3cuori"}), view("quadri", {"10quadri"}),
         1},
        {"void: the queen first", hand({"14cuori", "3fiori", "12picche"}), view("quadri", {"10quadri"}), 2},
        {"void, no queen: the highest heart", hand({"4cuori", "14fiori", "11cuori"}),
         view("quadri", {"10quadri"}), 2},
        {"void, no queen, no heart: the highest card, first on a tie",
         hand({"9fiori", "13picche", "13fiori", "2picche"}), view("quadri", {"10quadri"}), 1},
        {"only the suit led counts as best", hand({"9quadri", "4quadri"}),
         view("quadri", {"5quadri", "14fiori"}), 1},
        // Unlike the human, a computer seat void in clubs may unload on the first trick.
        {"first trick, void in clubs", hand({"12picche", "2quadri", "14cuori"}),
         view("fiori", {"2fiori"}, false, true), 0},
        {"leads the two of clubs on the first trick", hand({"5quadri", "", "2fiori", "3picche"}),
         view("", {}, false, true), 2},
        {"leads its lowest card, not a heart while unbroken",
         hand({"8fiori", "2cuori", "5quadri", "5picche"}), view("", {}), 2},
        {"leads its lowest heart once hearts are broken", hand({"8fiori", "2cuori", "5quadri"}),
         view("", {}, true), 1},
        {"leads a heart when it holds nothing else", hand({"", "9cuori", "4cuori", "7cuori"}), view("", {}),
         2},
        {"an empty hand plays nothing", Hand{}, view("fiori", {"2fiori"}), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(HeartsCardChoice::choose(c.cards, c.trick), c.slot);
    }
}

TEST(HeartsCardChoice, OnASpadeTrickTheQueenIsKeptBackAndTheLastSeatThrowsItsKingOrAce) {
    struct Case {
        const char* what;
        Hand cards;
        HeartsTrickView trick;
        int slot;
    };
    const Case cases[] = {
        // The ace is down: the queen would duck, but the 5 goes in its place.
        {"queen and a lower spade under the ace", hand({"12picche", "5picche", "3cuori"}),
         view("picche", {"14picche"}), 1},
        {"queen alone ducks under the ace", hand({"12picche", "3cuori"}), view("picche", {"14picche"}), 0},
        // The queen is the cheapest winner over the 10; the highest other spade, the ace, replaces it.
        {"queen as cheapest winner gives way to the highest other spade",
         hand({"12picche", "14picche", "3cuori"}), view("picche", {"10picche"}), 1},
        // Playing last, the king goes even though the 9 would duck and the queen is down.
        {"last seat throws its king", hand({"9picche", "13picche"}),
         view("picche", {"12picche", "11picche", "10picche"}), 1},
        {"last seat, first king or ace in place order", hand({"14picche", "2picche", "13picche"}),
         view("picche", {"5picche", "3cuori", "4picche"}), 0},
        {"not last: no king thrown", hand({"9picche", "13picche"}), view("picche", {"12picche", "11picche"}),
         0},
        {"last on another suit: plain choice", hand({"13picche", "9quadri"}),
         view("quadri", {"12quadri", "11quadri", "10quadri"}), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(HeartsCardChoice::choose(c.cards, c.trick), c.slot);
    }
}

// Plays whole hands with four computer seats: the rules must never leave a seat without a card,
// and beyond the first trick every computer choice is one the human's rules would also accept.
TEST(HeartsCardChoice, WholeHandsOfComputerSeatsPlayEveryCardAndShareTwentySixPoints) {
    for (int seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSequence random;
        random.setState(static_cast<std::uint64_t>(seed) * 104729);
        std::array<Hand, 4> hands = dealt(random);
        int leader = HeartsRules::seatWithTwoOfClubs(hands);
        ASSERT_GE(leader, 0);
        bool broken = false;
        int total = 0;
        std::set<std::string> played;
        for (int t = 0; t < 13; ++t) {
            HeartsTrickView trick;
            trick.heartsBroken = broken;
            trick.firstTrick = t == 0;
            for (int k = 0; k < 4; ++k) {
                const int seat = (leader + k) % 4;
                Hand& h = hands[static_cast<size_t>(seat)];
                const int slot = HeartsCardChoice::choose(h, trick);
                ASSERT_GE(slot, 0) << "trick " << t << " seat " << seat;
                const Card c = h[static_cast<size_t>(slot)];
                if (t == 0 && k == 0) {
                    EXPECT_TRUE(HeartsRules::isTwoOfClubs(c));
                }
                if (t > 0) {
                    EXPECT_TRUE(HeartsRules::humanMayPlay(h, slot, trick.ledSuit, trick.heartsBroken))
                        << c.code();
                }
                if (trick.ledSuit.empty()) trick.ledSuit = HeartsRules::suit(c);
                if (HeartsRules::isHeart(c)) trick.heartsBroken = true;
                trick.trickCards[static_cast<size_t>(seat)] = c;
                EXPECT_TRUE(played.insert(c.code()).second) << c.code();
                h[static_cast<size_t>(slot)] = Card{};
            }
            const int winner = HeartsRules::trickWinner(trick.trickCards, trick.ledSuit);
            ASSERT_GE(winner, 0);
            EXPECT_EQ(trick.trickCards[static_cast<size_t>(winner)].colour.str(), trick.ledSuit);
            total += HeartsRules::trickPoints(trick.trickCards);
            broken = broken || HeartsRules::breaksHearts(trick.trickCards);
            leader = winner;
        }
        EXPECT_EQ(total, kHeartsHandPoints);
        EXPECT_EQ(played.size(), 52u);
    }
}

} // namespace
} // namespace velmora::test
