#include "UnoTableTest.h"

#include "cards/Decks.h"
#include "data/KeyValueStore.h"
#include "games/uno/UnoCardScoring.h"
#include "games/uno/UnoRules.h"
#include "tournament/TableFlow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

namespace velmora::test {
namespace {

using CardCount = std::map<std::string, int>;

// The number of tables a test plays; UNO_TABLES in the environment asks for a longer run.
int tablesToPlay(int usual) {
    const char* asked = std::getenv("UNO_TABLES");
    return asked ? std::atoi(asked) : usual;
}

CardCount countCards(const std::vector<Card>& cards) {
    CardCount count;
    for (const Card& card : cards)
        ++count[card.code()];
    return count;
}

// Plays whole tables headless: the computer seats by their driver ticks, the human by a simple
// script (the first card that fits, else draw, then play or pass), checking the table after every
// step.
class UnoWholeTable : public UnoTableTest {
  protected:
    struct Outcome {
        int steps = 0;
        int finished = 0;
        bool deckRanDry = false;
        bool handFilled = false;
    };

    UnoWholeTable() {
        form->openDatabase();
        // Every table stores the shuffle counter; this throwaway copy of the database need not
        // wait for the disk each time.
        form->db().execute("PRAGMA synchronous = OFF");
    }

    int finishedSeats() {
        int finished = 0;
        for (int seat = 0; seat < 4; ++seat)
            finished += table().seatFinished(seat) ? 1 : 0;
        return finished;
    }

    // Every one of the 108 cards is in exactly one place: a seat's hand, the part of the deck still
    // to be drawn (from dealIndex up to deckReturnIndex, round the ring) or out of play (the first
    // card turned up, the human's cards and cards drawn into a full hand). The card on the pile is
    // not a place of its own: a computer's card went back into the deck as it was shown, a human's
    // card is out of play. Between being shown and put on the pile a computer's card is both in its
    // hand and written back; it counts once, in the hand.
    void expectEveryCardAccountedFor(const std::string& where) {
        std::vector<Card> seen;
        for (const Hand& hand : f().seatHand) {
            for (const Card& card : hand) {
                if (!card.empty()) seen.push_back(card);
            }
        }
        const bool onItsWay = f().timer(3).enabled() && f().tablePhase == 3;
        const int toDraw = table().cardsToDraw() - (onItsWay ? 1 : 0);
        for (int k = 0; k < toDraw; ++k)
            seen.push_back(f().unoDeck[static_cast<size_t>((f().dealIndex + k) % 108)]);
        for (const Card& card : f().unoOutOfPlay)
            seen.push_back(card);
        ASSERT_EQ(seen.size(), 108u) << where;
        ASSERT_EQ(countCards(seen), m_fullDeck) << where;
    }

    void expectTableConsistent(const std::string& where) {
        for (int seat = 0; seat < 4; ++seat) {
            const Hand& hand = f().seatHand[static_cast<size_t>(seat)];
            int cards = 0;
            bool gap = false;
            for (const Card& card : hand) {
                if (card.empty()) {
                    gap = true;
                } else {
                    ASSERT_FALSE(gap) << where << ": a card after a free place at seat " << seat;
                    ++cards;
                }
            }
            ASSERT_EQ(c("Label40", seat).text, std::to_string(cards)) << where;
            const EntrantRow& player = f().seatNames[static_cast<size_t>(seat)];
            const int row = findEntrant(f().tablePlayers, player[0].str(), player[1].str());
            ASSERT_GE(row, 0);
            ASSERT_EQ(f().tablePlayers[static_cast<size_t>(row)][7].toInt(), cards) << where;
        }
        ASSERT_FALSE(f().timer(3).enabled() && f().timer(4).enabled()) << where;
        expectEveryCardAccountedFor(where);
    }

    void humanMoves() {
        if (c("Label48", 0).visible) {
            const std::string colour = UnoCardScoring::chooseColour(f().seatHand[3]);
            const char* buttons[4] = {"blu", "giallo", "rosso", "verde"};
            for (int k = 0; k < 4; ++k) {
                if (colour == buttons[k]) table().Label48_Click(k);
            }
            ASSERT_FALSE(c("Label48", 0).visible);
            return;
        }
        if (m_drawFirst && c("Image10", 3).visible) {
            table().Image10_Click(3);
            return;
        }
        for (int i = 0; i < kHandSlots; ++i) {
            if (humanMayPlay(f().seatHand[3][static_cast<size_t>(i)], f().discardTop,
                             table().currentColour())) {
                f().tableFlow().Image11_Click(i);
                ASSERT_TRUE(f().timer(4).enabled() || c("Label48", 0).visible)
                    << "a fitting card was refused";
                return;
            }
        }
        if (c("Image10", 3).visible) {
            table().Image10_Click(3);
        } else {
            ASSERT_TRUE(c("Label44").visible);
            table().Label44_Click();
        }
    }

    // The card a computer seat is about to put on the pile must fit it; a zero only on its colour.
    void expectComputerCardFits() {
        const Card card = f().seatHand[static_cast<size_t>(f().turnSeat)][static_cast<size_t>(f().playSlot)];
        const bool zeroOnZero = card.value.is("0") && f().discardTop.value.is("0") &&
                                card.colour.str() != f().discardTop.colour.str();
        ASSERT_TRUE(humanMayPlay(card, f().discardTop, table().currentColour()) && !zeroOnZero)
            << card.code() << " on " << f().discardTop.code() << " (" << table().currentColour() << ")";
    }

    Outcome play(int game, int maxSteps = 20000) {
        Outcome outcome;
        seatPlayers();
        f().random().setState(RandomSequence::kStart + 7919ULL * static_cast<unsigned>(game));
        table().setUp();
        for (int k = 0; k < m_cardsOutAtStart; ++k) {
            f().unoOutOfPlay.push_back(f().unoDeck[static_cast<size_t>(f().dealIndex)]);
            f().dealIndex = (f().dealIndex + 1) % 108;
        }
        const std::string at = "table " + std::to_string(game);
        EXPECT_EQ(f().discardTop, f().unoDeck[40]) << at;
        EXPECT_TRUE(isNumberValue(f().discardTop.value)) << at;
        expectTableConsistent(at + " at the deal");
        f().tableFlow().Label42_Click();
        // Play on until the frame has closed the table: the last move's own finish check does it.
        for (; outcome.steps < maxSteps && f().handOver == 0; ++outcome.steps) {
            const std::string where = at + ", step " + std::to_string(outcome.steps);
            const size_t outOfPlay = f().unoOutOfPlay.size();
            for (const Hand& hand : f().seatHand)
                outcome.handFilled = outcome.handFilled || !hand[26].empty();
            if (f().timer(4).enabled()) {
                table().Timer4_Timer();
            } else if (f().timer(3).enabled()) {
                if (f().tablePhase == 1) {
                    EXPECT_FALSE(table().seatFinished(f().turnSeat)) << where;
                }
                if (f().tablePhase == 3) expectComputerCardFits();
                computer().Timer3_Timer();
            } else {
                EXPECT_EQ(f().turnSeat, 3) << where << ": nobody moves";
                if (f().turnSeat != 3) break;
                EXPECT_FALSE(table().seatFinished(3)) << where;
                humanMoves();
            }
            if (f().unoOutOfPlay.size() < outOfPlay) outcome.deckRanDry = true;
            expectTableConsistent(where);
            if (::testing::Test::HasFatalFailure()) break;
        }
        outcome.finished = finishedSeats();
        return outcome;
    }

    CardCount m_fullDeck = countCards(buildUnoDeck());
    // The human draws at every turn before he plays: his hand grows and his cards leave play.
    bool m_drawFirst = false;
    // Cards of the deck taken out of play right after the deal.
    int m_cardsOutAtStart = 0;
};

TEST_F(UnoWholeTable, EverySeededTableEndsWithTwoSeatsOutOfCardsAndNoCardLostOrDoubled) {
    const int kTables = tablesToPlay(1000);
    int humanThrough = 0;
    int dryDecks = 0;
    int fullHands = 0;
    long long steps = 0;
    for (int game = 0; game < kTables; ++game) {
        const Outcome outcome = play(game);
        if (HasFatalFailure()) return;
        ASSERT_EQ(outcome.finished, 2) << "table " << game << " after " << outcome.steps << " steps";
        // The frame has closed the table and, its round being this one table, the round.
        EXPECT_EQ(f().handOver, 1) << game;
        EXPECT_FALSE(f().timer(3).enabled() || f().timer(4).enabled()) << game;
        EXPECT_TRUE(c("Label49").visible) << game;
        humanThrough += table().seatFinished(3) ? 1 : 0;
        dryDecks += outcome.deckRanDry ? 1 : 0;
        fullHands += outcome.handFilled ? 1 : 0;
        steps += outcome.steps;
    }
    // The scripted human plays like the computers, so he goes through at about half the tables.
    EXPECT_GT(humanThrough, kTables / 4);
    EXPECT_LT(humanThrough, kTables * 3 / 4);
    RecordProperty("dryDecks", dryDecks);
    RecordProperty("fullHands", fullHands);
    RecordProperty("steps", static_cast<int>(steps));
}

TEST_F(UnoWholeTable, ADeckThatRunsDryTakesBackTheCardsOutOfPlayAndNeverDealsOneTwice) {
    // Tables that start as if much of the deck had already left play, with a human who draws at
    // every turn: the deck runs dry again and again and hands fill up to all 27 places. With so
    // few cards going round, the same draws and plays can come back for ever (the deck is never
    // reshuffled), so a table is followed for a bounded number of steps; every step is checked.
    m_drawFirst = true;
    m_cardsOutAtStart = 58;
    const int kTables = tablesToPlay(60);
    int dryDecks = 0;
    int fullHands = 0;
    int ended = 0;
    for (int game = 0; game < kTables; ++game) {
        const Outcome outcome = play(100000 + game, 1500);
        if (HasFatalFailure()) return;
        ASSERT_LE(outcome.finished, 2) << "table " << game;
        dryDecks += outcome.deckRanDry ? 1 : 0;
        fullHands += outcome.handFilled ? 1 : 0;
        ended += outcome.finished == 2 ? 1 : 0;
    }
    EXPECT_GT(dryDecks, kTables / 4);
    EXPECT_GT(fullHands, 0);
    RecordProperty("ended", ended);
}

} // namespace
} // namespace velmora::test
