// The table frame: seats, the start button, the end of a table and of a round, Brisolo manches.

#include "TableFlowFixture.h"

#include "tournament/TableFlow.h"

#include <set>
#include <string>

namespace velmora::test {
namespace {

class TableFlowTest : public TableFlowFixture {
  protected:
    TableFlow& flow() { return f().tableFlow(); }

    void setHand(int seat, int cards) {
        for (int i = 0; i < kHandSlots; ++i) {
            f().seatHand[seat][i] =
                i < cards ? Card{Value(i % 9 + 1), Value("rosso")} : Card{Value(0), Value(0)};
        }
        c("Label40", seat).text = std::to_string(cards);
    }
    // A seat of the human's table empties its hand, as the Uno table records it.
    void empty(int seat) {
        setHand(seat, 0);
        const EntrantRow& who = f().seatNames[seat];
        EntrantRow& row = f().tablePlayers[findEntrant(f().tablePlayers, who[0].str(), who[1].str())];
        row[7] = Value(0);
        flow().mirrorRow(row);
    }
    // Every table but the human's has two players who emptied their hands.
    void finishOtherUnoTables() {
        for (int t = 1; t <= f().tableCount; ++t) {
            if (t == f().humanTable) continue;
            at(t, 1)[7] = Value(0);
            at(t, 3)[7] = Value(0);
            at(t, 0)[7] = Value(4);
            at(t, 2)[7] = Value(7);
        }
    }
    std::set<int> running() {
        std::set<int> on;
        for (int t = 1; t <= 8; ++t) {
            if (form->timer(t).enabled()) on.insert(t);
        }
        return on;
    }
};

// ---- Seats ----

TEST_F(TableFlowTest, GroupingKeepsEntrantOrderWithinEachTableAndRefreshesTheBoard) {
    seatRound(64, 5, "Uno", 3);
    for (int t = 1; t <= 16; ++t) {
        int previous = -1;
        for (int seat = 0; seat < 4; ++seat) {
            const EntrantRow& row = at(t, seat);
            EXPECT_EQ(row[6].toInt(), t);
            const int master = findEntrant(f().roundPlayers, row[0].str(), row[1].str());
            EXPECT_GT(master, previous) << "table " << t << " keeps entrant order";
            previous = master;
        }
    }
    // A change made in the entrant table reaches the scoreboard rows at the next grouping.
    const EntrantRow& best = f().boardRows[0];
    const int master = findEntrant(f().roundPlayers, best[0].str(), best[1].str());
    f().roundPlayers[master][7] = Value(3);
    flow().groupTablePlayers();
    EXPECT_EQ(f().boardRows[0][7].toInt(), 3);
}

TEST_F(TableFlowTest, ComputerSeatsFollowEntrantOrderAndTheHumanIsSeatThree) {
    for (int humanTable : {1, 9, 16}) {
        seatRound(64, humanTable, "Uno", 11 + static_cast<unsigned>(humanTable));
        // The human is row 0, so he comes first in his table's group; his seat is still 3.
        EXPECT_EQ(at(humanTable, 0)[0].str(), "Rossi");
        flow().showSeats();
        std::vector<int> rows;
        for (int r = 1; r < 64; ++r) {
            if (f().roundPlayers[r][6].toInt() == humanTable) rows.push_back(r);
        }
        ASSERT_EQ(rows.size(), 3u);
        for (int seat = 0; seat < 3; ++seat) {
            const EntrantRow& entrant = f().roundPlayers[rows[seat]];
            EXPECT_EQ(f().seatNames[seat][0].str(), entrant[0].str()) << "seat " << seat;
            EXPECT_EQ(c("Label38", seat).text, entrant[0].str() + "\n" + entrant[1].str() + "\n            " +
                                                   entrant[4].str() + "Pts(" + entrant[5].str() + ")");
            EXPECT_EQ(c("Image12", seat).picture, "\\immagini\\flags\\" + entrant[3].str() + ".jpg");
        }
        EXPECT_EQ(f().seatNames[3][0].str(), "Rossi");
        EXPECT_EQ(c("Label38", 3).text, "Rossi\nMario\n            0Pts(1500)");
        EXPECT_EQ(c("Image12", 3).picture, "\\immagini\\flags\\it.jpg");
    }
}

TEST_F(TableFlowTest, SeatCaptionsCutNamesAtFifteenCharacters) {
    seatRound(8, 1, "Hearts");
    const std::string accented = "\xC3\x89"; // É, two bytes in UTF-8
    std::string longAccented;
    for (int i = 0; i < 17; ++i)
        longAccented += accented;
    f().roundPlayers[0][0] = Value("Abcdefghijklmnopqrs");
    f().roundPlayers[0][1] = Value("Exactly15Chars!");
    const int other = findEntrant(f().roundPlayers, at(1, 1)[0].str(), at(1, 1)[1].str());
    f().roundPlayers[other][0] = Value("Lefèvre-Dubois-Martin");
    f().roundPlayers[other][1] = Value(longAccented);
    flow().showSeats();
    EXPECT_EQ(c("Label38", 3).text, "Abcdefghijklmno\nExactly15Chars!\n            0Pts(1500)");
    const std::string seat0 = c("Label38", 0).text;
    std::string fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen += accented;
    // Characters, not bytes: an accented letter is never split.
    EXPECT_EQ(seat0.substr(0, seat0.find("\n", seat0.find("\n") + 1)), "Lefèvre-Dubois-\n" + fifteen);
}

TEST_F(TableFlowTest, TheTurnMarkerSitsBesideEachSeat) {
    const int top[] = {1320, 5520, 9600, 5520};
    const int left[] = {6600, 10320, 6600, 2760};
    for (int seat = 0; seat < 4; ++seat) {
        flow().moveTurnMarker(seat);
        EXPECT_EQ(c("Shape1").top, top[seat]);
        EXPECT_EQ(c("Shape1").left, left[seat]);
    }
    flow().moveTurnMarker(7); // no such seat: the marker stays
    EXPECT_EQ(c("Shape1").left, 2760);
}

// ---- "INIZIA" ----

TEST_F(TableFlowTest, IniziaStartsEachGamesTimers) {
    struct Case {
        std::string game;
        int turnSeat;
        std::set<int> timers;
    };
    for (const Case& run : {Case{"Uno", 3, {1, 2}}, Case{"Uno", 1, {1, 2, 3}}, Case{"Brisolo", 3, {1, 5}},
                            Case{"Brisolo", 0, {1, 5, 6}}, Case{"Hearts", 2, {}}}) {
        for (int t = 1; t <= 8; ++t)
            form->timer(t).setEnabled(false);
        seatRound(8, 2, run.game);
        flow().showSeats();
        for (int seat = 0; seat < 4; ++seat)
            setHand(seat, 10);
        f().turnSeat = run.turnSeat;
        f().tablePhase = 0;
        c("Picture5").visible = true;
        c("Label42").visible = true;
        click("Label42");
        EXPECT_FALSE(c("Label42").visible) << run.game;
        EXPECT_EQ(running(), run.timers) << run.game << " seat " << run.turnSeat;
        EXPECT_EQ(f().tablePhase, run.turnSeat != 3 && run.game != "Hearts" ? 1 : 0) << run.game;
        EXPECT_TRUE(form->window().enabled());
    }
}

// ---- End of the round ----

TEST_F(TableFlowTest, TheRoundIsOverOnlyWhenEveryTableHasExactlyTwoFinished) {
    seatRound(16, 2, "Uno");
    for (int t : {1, 2, 3, 4})
        form->timer(t).setEnabled(true);
    form->timer(8).setEnabled(true);
    c("Label38", 21).visible = true;
    c("Label49").visible = false;
    finishOtherUnoTables();
    at(2, 0)[7] = Value(0);
    at(2, 2)[7] = Value(0);
    at(2, 1)[7] = Value(0); // three with empty hands: not a finished table
    flow().checkRoundOver();
    EXPECT_FALSE(c("Label49").visible);
    EXPECT_EQ(running(), (std::set<int>{1, 2, 3, 4, 8}));

    at(2, 1)[7] = Value(5);
    at(3, 1)[7] = Value(2); // table 3 now has one finisher only
    flow().checkRoundOver();
    EXPECT_FALSE(c("Label49").visible);

    at(3, 1)[7] = Value(0);
    flow().checkRoundOver();
    EXPECT_FALSE(c("Label49").visible) << "the human's table counts only once its end is settled";

    f().handOver = 1;
    flow().checkRoundOver();
    EXPECT_TRUE(c("Label49").visible);
    EXPECT_FALSE(c("Label38", 21).visible);
    EXPECT_EQ(running(), (std::set<int>{})) << "the round-over check stops every timer";
    // A late finish check cannot decide the closed round again.
    at(2, 1)[8] = Value(0);
    flow().checkRoundOver();
    flow().checkUnoTableEnd();
    EXPECT_EQ(at(2, 1)[8].num(), 0);
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(TableFlowTest, BrisoloCountsThePlayersMarkedOut) {
    seatRound(8, 1, "Brisolo");
    f().handOver = 1;
    c("Label49").visible = false;
    for (int t = 1; t <= 2; ++t) {
        at(t, 0)[8] = Value(1);
        at(t, 2)[8] = Value(1);
        for (int s = 0; s < 4; ++s)
            at(t, s)[7] = Value(0);
    }
    at(2, 3)[8] = Value(1);
    flow().checkRoundOver();
    EXPECT_FALSE(c("Label49").visible) << "three out at table 2";
    at(2, 3)[8] = Value(0);
    flow().checkRoundOver();
    EXPECT_TRUE(c("Label49").visible);
}

TEST_F(TableFlowTest, ClosingAnUnoRoundMarksWhoStillHoldsCardsEverywhere) {
    seatRound(64, 4, "Uno", 5);
    finishOtherUnoTables();
    at(4, 0)[7] = Value(0);
    at(4, 3)[7] = Value(0);
    at(4, 1)[7] = Value(6);
    at(4, 2)[7] = Value(1);
    f().handOver = 1;
    flow().checkRoundOver();
    ASSERT_TRUE(c("Label49").visible);
    int out = 0;
    for (int r = 0; r < 64; ++r) {
        const EntrantRow& row = f().tablePlayers[r];
        const bool holdsCards = !row[7].isEmpty();
        EXPECT_EQ(row[8].toInt(), holdsCards ? 1 : 0) << row[0].str();
        EXPECT_EQ(row[9].toInt(), holdsCards ? 32 : 0) << row[0].str();
        out += holdsCards;
    }
    EXPECT_EQ(out, 32);
    expectMirrored(allColumns());
}

// ---- Uno: the end of the human's table ----

TEST_F(TableFlowTest, TheHumanEmptyingHisHandFirstSpeedsUpTheOthers) {
    seatRound(64, 3, "Uno");
    flow().showSeats();
    for (int seat = 0; seat < 4; ++seat)
        setHand(seat, 5);
    c("Label49").visible = false;
    form->timer(1).setInterval(500);
    form->timer(2).setInterval(5000);
    form->timer(3).setInterval(1000);
    for (int t : {1, 2, 3, 4})
        form->timer(t).setEnabled(true);
    c("Label38", 21).visible = false;

    empty(3);
    flow().checkUnoTableEnd();
    EXPECT_EQ(f().humanFinished, 1);
    EXPECT_EQ(f().handOver, 0);
    EXPECT_EQ(form->timer(2).interval(), 200);
    EXPECT_EQ(form->timer(3).interval(), 250);
    EXPECT_TRUE(c("Label38", 21).visible);
    EXPECT_EQ(running(), (std::set<int>{1, 2, 3})) << "the computer seats play on; the human's driver stops";

    empty(1);
    flow().checkUnoTableEnd();
    EXPECT_EQ(f().handOver, 1);
    EXPECT_EQ(running(), (std::set<int>{1, 2}));
    EXPECT_FALSE(c("Label49").visible) << "the other tables are still playing";

    finishOtherUnoTables();
    advance(500); // the table watch finds the round over
    EXPECT_TRUE(c("Label49").visible);
    EXPECT_TRUE(running().empty());
    const int human = findEntrant(f().roundPlayers, "Rossi", "Mario");
    EXPECT_EQ(f().roundPlayers[human][8].toInt(), 0);
}

TEST_F(TableFlowTest, TheUnoFinalPlacesFollowTheOrderOfEmptyingTheHand) {
    seatRound(4, 1, "Uno");
    flow().showSeats();
    for (int seat = 0; seat < 4; ++seat)
        setHand(seat, 4);
    form->timer(3).setEnabled(true);
    auto place = [&](int seat) {
        const EntrantRow& who = f().seatNames[seat];
        return f().tablePlayers[findEntrant(f().tablePlayers, who[0].str(), who[1].str())][9].toInt();
    };
    empty(1);
    flow().checkUnoTableEnd();
    EXPECT_EQ(place(1), 1);
    EXPECT_EQ(place(3), 0);
    empty(3);
    flow().checkUnoTableEnd();
    EXPECT_EQ(place(1), 1) << "a place once given stays";
    EXPECT_EQ(place(3), 2);
    EXPECT_EQ(place(0), 3);
    EXPECT_EQ(place(2), 3);
    EXPECT_EQ(f().handOver, 1);
    EXPECT_TRUE(c("Label49").visible) << "the final is the only table of its round";
    for (int r = 0; r < 4; ++r) {
        const EntrantRow& row = f().tablePlayers[r];
        const int master = findEntrant(f().roundPlayers, row[0].str(), row[1].str());
        EXPECT_EQ(f().roundPlayers[master][9].toInt(), row[9].toInt()) << row[0].str();
        EXPECT_EQ(f().roundPlayers[master][8].toInt(), 1);
        for (const EntrantRow& board : f().boardRows) {
            if (sameEntrant(board, row[0].str(), row[1].str())) {
                EXPECT_EQ(board[9].toInt(), row[9].toInt());
            }
        }
    }
}

// ---- Brisolo manches ----

TEST_F(TableFlowTest, OfTwoEqualHighestCardsTheOnePlayedLaterWins) {
    auto play = [&](int lastToPlay, std::array<int, 4> values) {
        for (int s = 0; s < 4; ++s)
            f().trickCards[s] = Card{Value(values[s]), Value("picche")};
        f().turnSeat = lastToPlay;
        f().handOver = 0;
        flow().checkTrickComplete();
        return f().turnSeat;
    };
    // Seat 3 leads (seat 2 played last): seat 0 plays an ace before seat 1 does.
    EXPECT_EQ(play(2, {14, 14, 5, 10}), 1);
    EXPECT_EQ(f().trickWinner, "1");
    EXPECT_EQ(f().handOver, 1);
    // Seat 1 leads: the order is 1, 2, 3, 0, so seat 0's equal card is the later one.
    EXPECT_EQ(play(0, {9, 9, 3, 2}), 0);
    // Seat 0 leads: the first card keeps it when nobody matches it.
    EXPECT_EQ(play(3, {12, 11, 2, 8}), 0);
    // All four equal: the last to play takes it.
    EXPECT_EQ(play(1, {7, 7, 7, 7}), 1);
}

TEST_F(TableFlowTest, AMancheIsDecidedOnlyOnceAllFourCardsAreDown) {
    f().trickCards = {Card{Value(14), Value("cuori")}, Card{Value(0), Value(0)},
                      Card{Value(3), Value("fiori")}, Card{Value(5), Value("fiori")}};
    f().turnSeat = 0;
    f().handOver = 0;
    f().trickWinner = "-1";
    flow().checkTrickComplete();
    EXPECT_EQ(f().handOver, 0);
    EXPECT_EQ(f().trickWinner, "-1");
    EXPECT_EQ(f().turnSeat, 0);
}

TEST_F(TableFlowTest, CompactingComputerHandsKeepsTheirOrder) {
    const Card empty{Value(0), Value(0)};
    for (int seat = 0; seat < 4; ++seat) {
        f().seatHand[seat].fill(empty);
        // Cards in slots 0, 3, 4, 9, 26 with gaps between them.
        int slot = 0;
        for (int slotUsed : {0, 3, 4, 9, 26}) {
            f().seatHand[seat][slotUsed] = Card{Value(2 + slot++ + seat), Value("quadri")};
        }
    }
    const Hand human = f().seatHand[3];
    flow().compactComputerHands();
    for (int seat = 0; seat < 3; ++seat) {
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(f().seatHand[seat][i].value.toInt(), 2 + i + seat) << seat;
        for (int i = 5; i < kHandSlots; ++i)
            EXPECT_TRUE(f().seatHand[seat][i].empty()) << seat << " " << i;
    }
    EXPECT_EQ(f().seatHand[3], human) << "the human's hand is the hand display's";
}

// ---- Brisolo: closing a round ----

TEST_F(TableFlowTest, ClosingABrisoloRoundRanksEveryTableAndPlacesTheFinal) {
    seatRound(8, 1, "Brisolo");
    f().qualifierCount = 4;
    // Table 1: a tie on points and manches is settled by the best manche.
    const int table1[4][3] = {{500, 4, 90}, {300, 3, 60}, {300, 3, 70}, {516, 3, 80}};
    // Table 2: after the clear loser, a full tie between seats 0 and 3: the later row goes out.
    const int table2[4][3] = {{400, 3, 50}, {380, 2, 40}, {450, 3, 50}, {400, 3, 50}};
    for (int s = 0; s < 4; ++s) {
        for (int t = 1; t <= 2; ++t) {
            const int(*scores)[3] = t == 1 ? table1 : table2;
            at(t, s)[7] = Value(0);
            at(t, s)[8] = Value(s == 0 ? 1 : 0); // stale marks are recomputed
            at(t, s)[11] = Value(scores[s][0]);
            at(t, s)[12] = Value(scores[s][1]);
            at(t, s)[14] = Value(scores[s][2]);
        }
    }
    flow().closeRound();
    const int out1[] = {0, 1, 1, 0};
    const int out2[] = {0, 1, 0, 1};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(at(1, s)[8].toInt(), out1[s]) << "table 1 seat " << s;
        EXPECT_EQ(at(2, s)[8].toInt(), out2[s]) << "table 2 seat " << s;
        EXPECT_EQ(at(1, s)[9].toInt(), out1[s] ? 4 : 0);
    }
    expectMirrored(allColumns());
}

TEST_F(TableFlowTest, TheBrisoloFinalGivesPlacesOneTwoThreeThree) {
    seatRound(4, 1, "Brisolo");
    ASSERT_EQ(f().qualifierCount, 2);
    const int scores[4][3] = {{400, 4, 50}, {616, 5, 90}, {400, 4, 50}, {200, 0, 0}};
    for (int s = 0; s < 4; ++s) {
        at(1, s)[7] = Value(0);
        at(1, s)[11] = Value(scores[s][0]);
        at(1, s)[12] = Value(scores[s][1]);
        at(1, s)[14] = Value(scores[s][2]);
    }
    flow().closeRound();
    // Seat 1 wins; seats 0 and 2 are level in everything and the later one, seat 2, ranks higher.
    const int places[] = {3, 1, 2, 3};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(at(1, s)[9].toInt(), places[s]) << s;
        EXPECT_EQ(at(1, s)[8].toInt(), 1);
        for (int col = 11; col <= 14; ++col)
            EXPECT_TRUE(at(1, s)[col].isEmpty());
    }
    expectMirrored(allColumns());
}

} // namespace
} // namespace velmora::test
