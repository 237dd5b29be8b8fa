#include "cards/RandomSequence.h"
#include "games/hearts/HeartsRules.h"
#include "games/hearts/HeartsTable.h"
#include "support/GameTest.h"
#include "tournament/GameTable.h"
#include "tournament/TableFlow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

// Plays whole Hearts tables headless through the window: the human sets aside his first three
// cards and passes, then on his turn tries his cards from the left until one is taken; the
// computer seats and the trick resolution run on the driver's ticks.
class HeartsWholeTable : public GameTest {
  protected:
    HeartsWholeTable() {
        form->openDatabase();
        form->db().execute("PRAGMA synchronous = OFF");
        form->currentGame = "Hearts";
        form->currentWeek = 1;
    }

    // Seats `tables` tables of four; the human Rossi Mario sits at table 1.
    void seat(int tables, int qualifiers) {
        clearEntrantTable(form->roundPlayers);
        clearEntrantTable(form->tablePlayers);
        clearEntrantTable(form->boardRows);
        const char* flags[4] = {"it", "fr", "de", "es"};
        for (int r = 0; r < 4 * tables; ++r) {
            EntrantRow& row = form->roundPlayers[static_cast<size_t>(r)];
            row[0] = Value(r == 0 ? std::string("Rossi") : "Giocatore" + std::to_string(r));
            row[1] = Value(r == 0 ? "Mario" : "Nome");
            row[2] = Value(30);
            row[3] = Value(flags[r % 4]);
            row[4] = Value(1000 - r);
            row[5] = Value(r + 1);
            row[6] = Value(r / 4 + 1);
        }
        for (int k = 0; k < 20; ++k)
            form->boardRows[static_cast<size_t>(k)] =
                form->roundPlayers[static_cast<size_t>(std::min(k, 4 * tables - 1))];
        form->tableCount = tables;
        form->humanTable = 1;
        form->qualifierCount = qualifiers;
        form->roundNumber = 1;
    }

    std::vector<Card> cardsHeld() {
        std::vector<Card> cards;
        for (const Hand& hand : form->seatHand) {
            for (const Card& card : hand) {
                if (HeartsRules::value(card) != 0) cards.push_back(card);
            }
        }
        return cards;
    }

    static std::set<std::string> codes(const std::vector<Card>& cards) {
        std::set<std::string> seen;
        for (const Card& card : cards)
            seen.insert(card.code());
        return seen;
    }

    // The human tries his shown cards from the left until one is taken.
    bool humanPlays() {
        for (int i = 0; i < 13; ++i) {
            if (!c("Image11", i).visible) continue;
            form->window().click("Image11", i);
            if (form->timer(7).enabled()) return true;
        }
        return false;
    }

    // Plays one whole table and checks it as it goes.
    void playTable(const std::string& where) {
        form->gameTable()->setUp();
        ASSERT_TRUE(c("Label42").visible) << where;
        ASSERT_TRUE(c("Label54").visible) << where;
        ASSERT_EQ(codes(cardsHeld()).size(), 52u) << where;
        click("Label42");
        // Passing with fewer than three set aside does nothing.
        click("Image11", 0);
        click("Label54");
        ASSERT_TRUE(c("Label54").visible) << where;
        click("Image11", 27); // taken back
        ASSERT_FALSE(c("Image11", 27).visible) << where;
        for (int k = 0; k < 3; ++k)
            click("Image11", 0);
        click("Label54");
        ASSERT_FALSE(c("Label54").visible) << where;
        for (int seat = 0; seat < 4; ++seat)
            ASSERT_EQ(HeartsRules::cardsHeld(form->seatHand[static_cast<size_t>(seat)]), 13) << where;
        ASSERT_EQ(codes(cardsHeld()).size(), 52u) << where;

        std::set<std::string> played;
        int tricks = 0, lastDown = 0;
        std::array<Card, 4> lastTrick{};
        std::string lastLed;
        for (int step = 0; step < 2000 && form->handOver == 0; ++step) {
            ASSERT_TRUE(form->window().enabled()) << where;
            const int down = static_cast<int>(
                std::count_if(form->trickCards.begin(), form->trickCards.end(),
                              [](const Card& card) { return HeartsRules::value(card) != 0; }));
            if (down == 4 && lastDown != 4) ++tricks;
            if (down == 4) {
                lastTrick = form->trickCards;
                lastLed = form->ledSuit;
            } else if (lastDown == 4) {
                // The trick just taken stays on the table, the card that took it outlined.
                const int winner = HeartsRules::trickWinner(lastTrick, lastLed);
                ASSERT_EQ(form->lastTrickWinner, winner) << where;
                for (int seat = 0; seat < 4; ++seat) {
                    const Control& held = c("Image23", seat);
                    EXPECT_TRUE(held.visible) << where << " seat " << seat;
                    EXPECT_EQ(held.marked, seat == winner) << where << " seat " << seat;
                    EXPECT_NE(held.picture.find("\\" + lastTrick[static_cast<size_t>(seat)].code() + ".jpg"),
                              std::string::npos)
                        << where << " seat " << seat;
                }
                EXPECT_TRUE(c("Image24", winner).visible) << where;
            }
            lastDown = down;
            for (const Card& card : form->trickCards) {
                if (HeartsRules::value(card) != 0) played.insert(card.code());
            }
            // Every card is either still in a hand or has been seen on the table, never both.
            const std::set<std::string> held = codes(cardsHeld());
            ASSERT_EQ(held.size(), cardsHeld().size()) << where;
            for (const std::string& code : held) {
                const bool onTable = std::any_of(form->trickCards.begin(), form->trickCards.end(),
                                                 [&](const Card& card) { return card.code() == code; });
                ASSERT_TRUE(!played.contains(code) || onTable) << where << " " << code;
            }
            if (!form->timer(7).enabled()) {
                ASSERT_TRUE(humanPlays()) << where << " no card of the human was taken";
            } else {
                advance(1000);
            }
        }
        ASSERT_EQ(form->handOver, 1) << where;
        EXPECT_EQ(tricks, 13) << where;
        EXPECT_EQ(played.size(), 52u) << where;
        EXPECT_TRUE(cardsHeld().empty()) << where;
        EXPECT_TRUE(c("Label49").visible) << where;
        // The closed round's board prints every column it fills right of the flags.
        const Control& flag = c("Image15", 0);
        for (int item : {12, 13, 14, 15, 16, 17, 19, 22, 23, 27}) {
            const Control& column = c("Label38", item);
            if (column.width > 0 && column.text.find_first_not_of('\n') != std::string::npos) {
                EXPECT_GE(column.left, flag.left + flag.width) << where << " column " << item;
            }
        }
        EXPECT_TRUE(form->window().enabled()) << where;
        EXPECT_FALSE(form->timer(7).enabled() || form->timer(8).enabled()) << where;
        for (int t = 1; t <= form->tableCount; ++t) {
            int points = 0, out = 0;
            for (int r = 4 * (t - 1); r < 4 * t; ++r) {
                const EntrantRow& row = form->tablePlayers[static_cast<size_t>(r)];
                points += static_cast<int>(row[11].toInt());
                out += row[8].toInt() == 1 ? 1 : 0;
                EXPECT_EQ(row[7].toInt(), 0) << where << " table " << t;
                if (row[8].toInt() == 1 && form->qualifierCount > 2) {
                    EXPECT_EQ(row[9].toInt(), form->qualifierCount) << where;
                }
            }
            EXPECT_EQ(points, 26) << where << " table " << t;
            EXPECT_EQ(out, 2) << where << " table " << t;
        }
    }
};

TEST_F(HeartsWholeTable, EveryHandSharesTwentySixPointsOverThirteenTricksAndPutsTwoOutAtEachTable) {
    for (int run = 0; run < 12; ++run) {
        form->random().setState(RandomSequence::kStart + 7919u * static_cast<unsigned>(run));
        seat(3, 6);
        playTable("run " + std::to_string(run));
        if (HasFatalFailure()) return;
    }
}

// Once the next card is led the last trick goes; the pointer resting on a pile of won cards calls
// it back for as long as it stays, and a click calls it back until a second click.
TEST_F(HeartsWholeTable, TheLastTrickComesBackOnAClickOrWhileThePointerRests) {
    seat(1, 2);
    form->gameTable()->setUp();
    click("Label42");
    for (int k = 0; k < 3; ++k)
        click("Image11", 0);
    click("Label54");
    auto heldShown = [&] {
        int shown = 0;
        for (int seat = 0; seat < 4; ++seat)
            shown += c("Image23", seat).visible ? 1 : 0;
        return shown;
    };
    auto led = [&] {
        return c("Image9", 0).visible || c("Image9", 1).visible || c("Image9", 2).visible || c("Image9", 3).visible;
    };
    // Play on until the first trick is taken and the next one led.
    for (int step = 0; step < 2000 && !(form->lastTrickWinner >= 0 && led() && heldShown() == 0); ++step) {
        if (!form->timer(7).enabled() && !humanPlays()) advance(100);
        if (form->timer(7).enabled()) advance(100);
    }
    const int winner = form->lastTrickWinner;
    ASSERT_GE(winner, 0);
    ASSERT_EQ(heldShown(), 0);
    Window& w = form->window();

    ASSERT_TRUE(w.hover("Image24", winner, true));
    EXPECT_EQ(heldShown(), 4);
    EXPECT_TRUE(c("Image23", winner).marked);
    ASSERT_TRUE(w.hover("Image24", winner, false));
    EXPECT_EQ(heldShown(), 0);

    click("Image24", winner);
    EXPECT_EQ(heldShown(), 4);
    click("Image24", winner); // a second click puts it away
    EXPECT_EQ(heldShown(), 0);
}

TEST_F(HeartsWholeTable, APlayedFinalPlacesItsFourOneTwoThreeThree) {
    for (int run = 0; run < 4; ++run) {
        form->random().setState(RandomSequence::kStart + 104729u * static_cast<unsigned>(run));
        seat(1, 2);
        playTable("final " + std::to_string(run));
        if (HasFatalFailure()) return;
        std::vector<int> places;
        for (int r = 0; r < 4; ++r)
            places.push_back(static_cast<int>(form->roundPlayers[static_cast<size_t>(r)][9].toInt()));
        std::sort(places.begin(), places.end());
        EXPECT_EQ(places, (std::vector<int>{1, 2, 3, 3}));
    }
}

// At the close of the round every table is decided again from its whole hand, a moon with its own
// draw, whatever marks the other tables showed while the human still played; the board then
// shows what the close decided, the lowest heart still lettered as during play.
TEST_F(HeartsWholeTable, TheCloseDecidesEveryTableAgainAndTheBoardShowsIt) {
    // Tables 1 and 3 without a moon; tables 2 and 4 with one, shot by seat 2 and seat 0.
    const int points[4][4] = {{5, 0, 8, 13}, {0, 0, 26, 0}, {6, 6, 4, 10}, {26, 0, 0, 0}};
    const int hearts[4][4] = {{3, 0, 2, 0}, {20, 20, 2, 20}, {5, 11, 12, 14}, {2, 20, 20, 20}};
    // What the other tables' live marks may have shown: two of the three beside each shooter.
    const bool shown[4][4] = {{}, {true, true, false, false}, {}, {false, false, true, true}};
    int overturned = 0;
    for (int run = 0; run < 12; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        seat(4, 8);
        form->tableFlow().groupTablePlayers();
        form->roundClosed = false;
        for (int r = 0; r < 16; ++r) {
            EntrantRow& row = form->tablePlayers[static_cast<size_t>(r)];
            row[7] = Value(0);
            row[8] = Value(shown[r / 4][r % 4] ? 1 : 0);
            row[11] = Value(points[r / 4][r % 4]);
            row[12] = Value(hearts[r / 4][r % 4]);
        }
        const std::uint64_t start = RandomSequence::kStart + 6151u * static_cast<unsigned>(run);
        form->random().setState(start);
        form->tableFlow().endRound();

        // By the rules: the most points out twice (the higher heart on equal points); beside a
        // moon, a player drawn (0..3, again until he took no points) goes through with the shooter.
        bool out[4][4] = {{false, false, true, true}, {}, {false, true, false, true}, {}};
        RandomSequence rules;
        rules.setState(start);
        for (int t : {1, 3}) {
            const int shooter = t == 1 ? 2 : 0;
            int partner = 0;
            do {
                partner = static_cast<int>(rules.upTo(3));
            } while (points[t][partner] != 0);
            for (int k = 0; k < 4; ++k)
                out[t][k] = k != shooter && k != partner;
            overturned += out[t][0] != shown[t][0] || out[t][2] != shown[t][2];
        }
        EXPECT_EQ(form->random().state(), rules.state()) << "one moon draw per moon table, no other";
        std::string through;
        for (int r = 0; r < 16; ++r) {
            const EntrantRow& row = form->roundPlayers[static_cast<size_t>(r)];
            EXPECT_EQ(row[8].toInt(), out[r / 4][r % 4] ? 1 : 0) << "row " << r;
            if (out[r / 4][r % 4]) {
                EXPECT_EQ(row[9].toInt(), 8) << "row " << r;
            }
            through += std::string(r ? "\n" : "") + (out[r / 4][r % 4] ? "X" : "V");
        }
        EXPECT_EQ(c("Label38", 19).text.substr(0, through.size()), through);
        EXPECT_EQ(c("Label38", 23).text, "3\n\n2\n\n\n\n2\n\n5\nJ\nD\nA\n2\n\n\n\n\n\n\n");
        EXPECT_TRUE(c("Label49").visible);
    }
    // The close's own draw overturned the marks shown in some runs: the check above has bitten.
    EXPECT_GT(overturned, 0);
}

TEST(HeartsBoard, ShowsTheLowestHeartTakenAsCourtLetterOrNumber) {
    const std::pair<int, const char*> cases[] = {{14, "A"},  {13, "K"}, {12, "D"}, {11, "J"},
                                                 {10, "10"}, {2, "2"},  {0, ""},   {20, ""}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(HeartsTable::heartText(value), text) << value;
    EXPECT_EQ(HeartsTable::boardHeader().size(), 135u);
}

} // namespace
} // namespace velmora::test
