#include "BrisoloCards.h"

#include "games/brisolo/BrisoloGame.h"
#include "games/brisolo/BrisoloTable.h"
#include "support/GameTest.h"
#include "tournament/HandDisplay.h"
#include "tournament/TableCues.h"
#include "tournament/TableFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace velmora::test {
namespace {

// Plays whole Brisolo tables headless through the window: the computer seats by their driver,
// the human by clicking his first shown card whenever the table waits for him, and a second table
// in the background, checking the table after every step.
class BrisoloWholeTable : public GameTest {
  protected:
    BrisoloWholeTable() {
        form->openDatabase();
        form->db().execute("PRAGMA synchronous = OFF");
        form->currentGame = "Brisolo";
    }

    Form1& f() { return *form; }
    BrisoloTable& table() { return static_cast<BrisoloGame*>(f().gameTable("Brisolo"))->table(); }

    // Eight players at two tables; the human (entrant row 0) sits at table 1.
    void seatPlayers() {
        const char* flags[4] = {"it", "fr", "de", "es"};
        clearEntrantTable(f().roundPlayers);
        clearEntrantTable(f().tablePlayers);
        clearEntrantTable(f().boardRows);
        for (int r = 0; r < 8; ++r) {
            EntrantRow& row = f().roundPlayers[static_cast<size_t>(r)];
            row[0] = Value("Cognome" + std::to_string(r));
            row[1] = Value("Nome" + std::to_string(r));
            row[2] = Value(30);
            row[3] = Value(flags[r % 4]);
            row[4] = Value(1000 - 100 * r);
            row[5] = Value(r + 1);
            row[6] = Value(r < 4 ? 1 : 2);
            row[7] = Value(13);
            row[10] = Value(1);
            for (int col = 11; col <= 14; ++col)
                row[static_cast<size_t>(col)] = Value("0");
        }
        for (int k = 0; k < 20; ++k)
            f().boardRows[static_cast<size_t>(k)] = f().roundPlayers[static_cast<size_t>(k < 8 ? k : 7)];
        f().tableCount = 2;
        f().humanTable = 1;
        f().qualifierCount = 4;
        f().roundNumber = 1;
        f().playerSurname = "Cognome0";
        f().playerFirstName = "Nome0";
    }

    // Every one of the 52 cards is in exactly one place: a hand, the manche on the table or a
    // manche already taken.
    void expectCardsAccountedFor(std::set<std::string>& taken, const std::string& where) {
        std::set<std::string> seen = taken;
        size_t count = taken.size();
        auto add = [&](const Card& card) {
            if (card.value.isEmpty()) return;
            seen.insert(card.code());
            ++count;
        };
        for (const Hand& hand : f().seatHand)
            for (const Card& card : hand)
                add(card);
        // A complete manche waiting to be scored was already counted as taken.
        for (const Card& card : f().trickCards)
            if (!taken.contains(card.code())) add(card);
        ASSERT_EQ(count, 52u) << where << " taken " << taken.size() << " phase " << f().tablePhase
                              << " handOver " << f().handOver << " seat " << f().turnSeat;
        ASSERT_EQ(seen.size(), 52u) << where;
        // Cards of a complete manche count as taken once it is scored.
        if (f().handOver == 1)
            for (const Card& card : f().trickCards)
                if (!card.value.isEmpty()) taken.insert(card.code());
    }

    // The human's first shown card, or -1.
    int firstShownCard() {
        for (int i = 0; i < kHandSlots; ++i)
            if (c("Image11", i).visible) return i;
        return -1;
    }
};

TEST_F(BrisoloWholeTable, SeededTablesShareOutAllPointsAndPutTwoOut) {
    for (int game = 0; game < 12; ++game) {
        SCOPED_TRACE("table " + std::to_string(game));
        seatPlayers();
        f().random().setState(RandomSequence::kStart + 104729ULL * static_cast<unsigned>(game));
        f().gameTable("Brisolo")->setUp();
        ASSERT_TRUE(c("Label42").visible);
        ASSERT_EQ(c("Label38", 11).text.size(), 131u);
        ASSERT_EQ(c("Label51").text, "0");
        ASSERT_EQ(c("Image10", 3).visible, f().turnSeat == 3);
        click("Label42");

        std::set<std::string> taken;
        int humanCards = 0, manches = 0;
        for (int step = 0; step < 5000 && !c("Label49").visible; ++step) {
            const std::string where = "step " + std::to_string(step);
            if (f().turnSeat == 3 && !f().timer(6).enabled() && f().handOver == 0) {
                const int before = table().manchePoints();
                const int slot = firstShownCard();
                ASSERT_GE(slot, 0) << where;
                const Card card = f().seatHand[3][static_cast<size_t>(slot)];
                click("Image11", slot);
                ASSERT_TRUE(f().timer(6).enabled()) << where;
                ASSERT_EQ(table().manchePoints(), before + card.value.toInt()) << where;
                // A second click while the driver runs is ignored.
                const int next = firstShownCard();
                if (next >= 0) click("Image11", next);
                ASSERT_EQ(f().trickCards[3], card) << where;
                ++humanCards;
            } else {
                const int cardsBefore = static_cast<int>(f().tablePlayers[0][7].toInt());
                advance(200);
                if (f().tablePlayers[0][7].toInt() < cardsBefore) ++manches;
            }
            expectCardsAccountedFor(taken, where);
            if (HasFatalFailure()) return;
        }
        ASSERT_TRUE(c("Label49").visible) << "the round never closed";
        EXPECT_EQ(humanCards, 13);
        EXPECT_EQ(manches, 13);
        EXPECT_EQ(taken.size(), 52u);
        EXPECT_TRUE(f().window().enabled());
        for (int t = 0; t < 2; ++t) {
            int points = 0, won = 0, out = 0;
            for (int r = 4 * t; r < 4 * t + 4; ++r) {
                const EntrantRow& row = f().tablePlayers[static_cast<size_t>(r)];
                points += static_cast<int>(row[11].toInt());
                won += static_cast<int>(row[12].toInt());
                out += row[8].toInt() == 1;
                EXPECT_TRUE(row[7].isEmpty());
                // Every change reached the round's list.
                const int found = findEntrant(f().roundPlayers, row[0].str(), row[1].str());
                ASSERT_GE(found, 0);
                EXPECT_EQ(f().roundPlayers[static_cast<size_t>(found)][11], row[11]);
            }
            EXPECT_EQ(won, 13) << "table " << t + 1;
            EXPECT_EQ(out, 2) << "table " << t + 1;
            if (t == 0) {
                EXPECT_EQ(points, 416);
            }
        }
        // The seat labels show points, manches and best manche of their players.
        for (int seat = 0; seat < 4; ++seat) {
            const EntrantRow& player = f().seatNames[static_cast<size_t>(seat)];
            const EntrantRow& row = f().tablePlayers[static_cast<size_t>(
                findEntrant(f().tablePlayers, player[0].str(), player[1].str()))];
            EXPECT_EQ(c("Label40", seat).text, row[11].str() + "\n" + row[12].str() + "\n" + row[14].str());
        }
    }
}

// After every manche its four cards stay on the table, the taking card outlined and the winner's
// plate lit, until the next card is led; the won cards beside a seat call the manche back.
TEST_F(BrisoloWholeTable, EveryMancheShowsWhoTookItUntilTheNextCardIsLed) {
    seatPlayers();
    f().random().setState(RandomSequence::kStart + 7919ULL);
    f().gameTable("Brisolo")->setUp();
    click("Label42");
    std::array<std::string, 4> down{};
    std::array<int, 4> values{};
    int manches = 0, recalls = 0;
    bool awaitingLead = false;
    for (int step = 0; step < 5000 && !c("Label49").visible; ++step) {
        SCOPED_TRACE("manche " + std::to_string(manches + 1));
        bool led = false;
        for (int seat = 0; seat < 4; ++seat) {
            led = led || c("Image9", seat).visible;
            if (c("Image9", seat).visible) {
                down[static_cast<size_t>(seat)] = c("Image9", seat).picture;
                values[static_cast<size_t>(seat)] =
                    static_cast<int>(f().trickCards[static_cast<size_t>(seat)].value.toInt());
            }
            // Once a card of the next manche is led the last one is put away.
            if (awaitingLead && c("Image9", seat).visible) {
                for (int k = 0; k < 4; ++k)
                    ASSERT_FALSE(c("Image23", k).visible) << "a manche still held after the next lead";
                awaitingLead = false;
            }
        }
        const int cardsBefore = static_cast<int>(f().tablePlayers[0][7].toInt());
        if (f().turnSeat == 3 && !f().timer(6).enabled() && f().handOver == 0) {
            if (led && manches > 0 && recalls < 3) {
                // Called back while he is to follow: shown again over the cards led, then put away
                // by a second click.
                const int pile = f().lastTrickWinner;
                ASSERT_TRUE(c("Image24", pile).visible);
                ASSERT_FALSE(c("Image23", pile).visible);
                click("Image24", pile);
                EXPECT_TRUE(c("Image23", pile).visible);
                EXPECT_TRUE(c("Image23", pile).marked);
                click("Image24", pile);
                EXPECT_FALSE(c("Image23", pile).visible);
                ++recalls;
            }
            click("Image11", firstShownCard());
        } else {
            advance(200);
        }
        if (f().tablePlayers[0][7].toInt() >= cardsBefore) continue;
        ++manches;
        const int winner = f().lastTrickWinner;
        ASSERT_GE(winner, 0);
        EXPECT_EQ(std::to_string(winner), f().trickWinner);
        int best = 0;
        for (int seat = 0; seat < 4; ++seat)
            best = std::max(best, values[static_cast<size_t>(seat)]);
        EXPECT_EQ(values[static_cast<size_t>(winner)], best) << "the outlined card is not the highest";
        for (int seat = 0; seat < 4; ++seat) {
            EXPECT_TRUE(c("Image23", seat).visible) << "seat " << seat;
            EXPECT_EQ(c("Image23", seat).picture, down[static_cast<size_t>(seat)]) << "seat " << seat;
            EXPECT_EQ(c("Image23", seat).marked, seat == winner) << "seat " << seat;
            if (seat != winner) {
                EXPECT_NE(c("SeatPlate", seat).backColor, c("SeatPlate", winner).backColor)
                    << "seat " << seat;
            }
            // His won cards show beside a seat once it has taken a manche ("Ma").
            const EntrantRow& row = f().tablePlayers[static_cast<size_t>(
                findEntrant(f().tablePlayers, f().seatNames[static_cast<size_t>(seat)][0].str(),
                            f().seatNames[static_cast<size_t>(seat)][1].str()))];
            EXPECT_EQ(c("Image24", seat).visible, row[12].toInt() > 0) << "seat " << seat;
        }
        awaitingLead = true;
        if (manches == 13) {
            // His table is decided the moment its last manche is scored, with the round still on.
            const bool out = f().tablePlayers[0][8].toInt() == 1;
            EXPECT_TRUE(c("Label56").visible);
            EXPECT_EQ(c("Label56").text, out ? "ELIMINATO\nChiudi il torneo al 5° posto"
                                             : "QUALIFICATO!\nPassi al turno successivo");
            click("Label56");
            EXPECT_FALSE(c("Label56").visible) << "a click does not put the banner away";
        }
        if (HasFailure()) return;
    }
    EXPECT_EQ(manches, 13);
    EXPECT_GE(recalls, 2);
    // The last manche stays on the closed table.
    EXPECT_TRUE(c("Image23", f().lastTrickWinner).visible);
}

TEST_F(BrisoloWholeTable, StartingSeatFavoursTheMiddleSeats) {
    seatPlayers();
    int seats[4] = {0, 0, 0, 0};
    for (int k = 0; k < 600; ++k) {
        f().gameTable("Brisolo")->setUp();
        ++seats[f().turnSeat];
        EXPECT_EQ(c("Image10", 3).visible, f().turnSeat == 3);
    }
    // Seats 1 and 2 come up a third of the time each, seats 0 and 3 a sixth.
    for (int seat : {1, 2})
        EXPECT_NEAR(seats[seat], 200, 50) << seat;
    for (int seat : {0, 3})
        EXPECT_NEAR(seats[seat], 100, 40) << seat;
}

// Suits play no part, so on his turn no card he holds is dimmed and any of them is taken; once his
// card is down, or while another seat is to play, nothing is his to play and a click is ignored.
TEST_F(BrisoloWholeTable, OnHisTurnEveryCardHeHoldsIsBrightAndTaken) {
    seatPlayers();
    f().gameTable("Brisolo")->setUp();
    click("Label42");
    struct Case {
        std::vector<int> hand;
        int turnSeat;
        bool cardDown; // his card of the manche is already on the table
        bool humanToPlay;
    };
    const Case cases[] = {
        {{14, 0, 3, 9, 2}, 3, false, true},
        {{5}, 3, false, true},
        {{14, 0, 3}, 3, true, false},
        {{14, 0, 3}, 1, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("seat " + std::to_string(k.turnSeat) + (k.cardDown ? ", card down" : ""));
        f().timer(6).setEnabled(false);
        f().handOver = 0;
        f().turnSeat = k.turnSeat;
        f().seatHand[3] = brisoloHand(k.hand);
        f().trickCards[3] = k.cardDown ? brisoloCard(7) : brisoloCard(0);
        f().handDisplay().showFrenchHand();
        f().tableCues().refresh();
        GameTable& game = *f().gameTable("Brisolo");
        EXPECT_EQ(c("HandRow").visible, k.humanToPlay);
        int held = 0, last = -1;
        for (int slot = 0; slot < 27; ++slot) {
            const bool holds = !f().seatHand[3][static_cast<size_t>(slot)].empty();
            held += holds ? 1 : 0;
            if (holds) last = slot;
            EXPECT_EQ(game.humanMayPlayCard(slot), k.humanToPlay && holds) << "place " << slot;
            EXPECT_FALSE(c("Image11", slot).dimmed) << "place " << slot;
        }
        EXPECT_FALSE(game.humanMayPlayCard(-1));
        EXPECT_FALSE(game.humanMayPlayCard(27));
        // The click takes a card exactly when the rule says it may.
        ASSERT_GE(last, 0);
        const bool mayPlay = game.humanMayPlayCard(last);
        click("Image11", last);
        EXPECT_EQ(f().timer(6).enabled(), mayPlay);
        int left = 0;
        for (const Card& card : f().seatHand[3])
            left += card.empty() ? 0 : 1;
        EXPECT_EQ(left, mayPlay ? held - 1 : held);
    }
}

// An Uno table earlier in the session leaves its own card backs in the seat pictures: a Brisolo
// table lays every back it shows itself, the one telling the human he leads included.
TEST_F(BrisoloWholeTable, LaysItsOwnCardBacksAfterAnUnoTable) {
    seatPlayers();
    for (int seat = 0; seat < 4; ++seat)
        f().loadPicture(c("Image10", seat), "\\immagini\\Uno\\dietro.jpg");
    f().gameTable("Brisolo")->setUp();
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(c("Image10", seat).picture, "\\immagini\\52\\dietro.jpg") << "seat " << seat;
}

// The card back shown at his seat when it is his turn is only a sign: a click on it draws nothing
// (it is Uno's draw pile at an Uno table) and leaves his hand and the turn as they were.
TEST_F(BrisoloWholeTable, HisCardBackIsASignNotADrawPile) {
    seatPlayers();
    f().gameTable("Brisolo")->setUp();
    click("Label42");
    f().timer(6).setEnabled(false);
    f().handOver = 0;
    f().turnSeat = 3;
    c("Image10", 3).visible = true;
    const Hand before = f().seatHand[3];
    click("Image10", 3);
    EXPECT_EQ(f().seatHand[3], before);
    EXPECT_EQ(f().turnSeat, 3);
    EXPECT_FALSE(c("Label44").visible) << "Uno's \"Passa\" offered at a Brisolo table";
}

} // namespace
} // namespace velmora::test
