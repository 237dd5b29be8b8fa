#include "BrisoloCards.h"

#include "game/tables/TableRound.h"
#include "games/brisolo/BrisoloColumns.h"
#include "games/brisolo/BrisoloGame.h"
#include "games/brisolo/BrisoloPlaces.h"
#include "games/brisolo/BrisoloTable.h"
#include "support/GameTest.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace velmora::test {
namespace {

// The scoring of the human's Brisolo table as the table itself does it: hand-made manches laid on
// the table and left to its driver, which decides the winner and books the manche.
class BrisoloScoring : public GameTest {
  protected:
    BrisoloScoring() {
        form->openDatabase();
        form->currentGame = "Brisolo";
        form->currentWeek = 1;
        seatRound(*form, 1);
        form->gameTable()->setUp();
        click("Label42");
    }

    BrisoloTable& table() { return static_cast<BrisoloGame*>(form->gameTable())->table(); }
    EntrantRow& rowOf(int seat) {
        const EntrantRow& player = form->seatNames[static_cast<size_t>(seat)];
        return form->tablePlayers[static_cast<size_t>(findEntrant(
            form->tablePlayers, player[entrant::kSurname].str(), player[entrant::kFirstName].str()))];
    }
    // Puts down the four cards from the seat that leads, as the table adds them up, then runs the
    // driver's two steps: the manche is decided, then scored.
    void playManche(int lead, const std::array<int, 4>& values) {
        int points = 0;
        for (int i = 0; i < 4; ++i) {
            form->trickCards[static_cast<size_t>((lead + i) % 4)] =
                brisoloCard(values[static_cast<size_t>(i)]);
            points += values[static_cast<size_t>(i)];
        }
        c("Label51").text = std::to_string(points);
        form->turnSeat = (lead + 3) % 4;
        form->tablePhase = 2;
        table().Timer6_Timer();
        table().Timer6_Timer();
    }
};

TEST_F(BrisoloScoring, EachMancheIsBookedToTheSeatWhoseCardTookIt) {
    struct Manche {
        int lead;
        std::array<int, 4> values; // in play order from the seat that leads
        int winner;
        int points, manches, last, best; // the winner's "Pu", "Ma", last manche and "MP" after it
    };
    const Manche hand[] = {
        {0, {5, 14, 3, 2}, 1, 24, 1, 2, 24},    // the highest card, second to play
        {1, {10, 10, 9, 10}, 0, 39, 1, 3, 39},  // of equal cards the later one takes it
        {0, {14, 13, 12, 11}, 0, 89, 2, 4, 50}, // ace, king, queen, jack: 50 points
        {0, {2, 3, 4, 5}, 3, 14, 1, 5, 14},     // the human's card takes it
        {3, {2, 3, 2, 2}, 0, 98, 3, 6, 50},     // a poorer manche keeps the best at 50
        {0, {7, 7, 7, 7}, 3, 42, 2, 7, 28},     // four equal cards: the last one
        {2, {14, 2, 3, 4}, 2, 23, 1, 8, 23},    // the leader's ace
        {2, {3, 2, 2, 2}, 2, 32, 2, 9, 23},     //
        {2, {2, 2, 2, 3}, 1, 33, 2, 10, 24},    //
        {1, {2, 2, 2, 2}, 0, 106, 4, 11, 50},   //
        {0, {2, 2, 2, 2}, 3, 50, 3, 12, 28},    //
        {3, {2, 2, 2, 2}, 2, 40, 3, 13, 23},    //
        {2, {2, 2, 2, 2}, 1, 41, 3, 14, 24},    // the thirteenth manche is number 14 - 0
    };
    int played = 0;
    for (const Manche& m : hand) {
        SCOPED_TRACE("manche " + std::to_string(++played));
        std::array<EntrantRow, 4> before;
        for (int seat = 0; seat < 4; ++seat)
            before[static_cast<size_t>(seat)] = rowOf(seat);
        playManche(m.lead, m.values);
        EXPECT_EQ(form->turnSeat, m.winner);
        for (int seat = 0; seat < 4; ++seat) {
            const EntrantRow& row = rowOf(seat);
            EXPECT_EQ(row[entrant::kCards].toInt(), 13 - played) << "seat " << seat;
            const std::array<long long, 4> want =
                seat == m.winner ? std::array<long long, 4>{m.points, m.manches, m.last, m.best}
                                 : std::array<long long, 4>{
                                       before[static_cast<size_t>(seat)][brisolo::kPoints].toInt(),
                                       before[static_cast<size_t>(seat)][brisolo::kManches].toInt(),
                                       before[static_cast<size_t>(seat)][brisolo::kLastManche].toInt(),
                                       before[static_cast<size_t>(seat)][brisolo::kBestManche].toInt()};
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(row[static_cast<size_t>(brisolo::kPoints + k)].toInt(),
                          want[static_cast<size_t>(k)])
                    << "seat " << seat << " column " << brisolo::kPoints + k;
            // The round's list and the seat's label tell the same.
            const int round = findEntrant(form->roundPlayers, row[0].str(), row[1].str());
            EXPECT_EQ(form->roundPlayers[static_cast<size_t>(round)][brisolo::kPoints],
                      row[brisolo::kPoints]);
            EXPECT_EQ(c("Label40", seat).text, row[brisolo::kPoints].str() + "\n" +
                                                   row[brisolo::kManches].str() + "\n" +
                                                   row[brisolo::kBestManche].str());
        }
        // The winner leads the next manche: the driver runs on for a computer seat, waits for him.
        if (played < 13) EXPECT_EQ(form->timer(6).enabled(), m.winner != 3);
        EXPECT_EQ(c("Label51").text, "0");
    }
    // 106, 41, 40, 50: seats 2 and 1 go out, the table is done, the other tables hurry up.
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(rowOf(seat)[entrant::kOut].toInt(), seat == 1 || seat == 2 ? 1 : 0) << "seat " << seat;
    EXPECT_FALSE(form->timer(6).enabled());
    EXPECT_EQ(form->timer(5).interval(), 200);
    EXPECT_TRUE(c("Label38", 21).visible);
}

// Two go out of each table: each time the one still in with the fewest points; on equal points
// the fewer manches won, then the poorer best manche; on a full tie the later row.
TEST(BrisoloPlacesOut, EachTieBreakDecidesInItsTurn) {
    struct Case {
        const char* why;
        std::array<std::array<int, 3>, 4> rows; // "Pu", "Ma", "MP" of rows 0..3
        std::array<int, 2> out;                 // rows out, in the order they go
    };
    const Case cases[] = {
        {"points alone", {{{50, 3, 20}, {40, 2, 20}, {60, 4, 30}, {30, 1, 15}}}, {3, 1}},
        {"points before manches", {{{41, 1, 10}, {40, 5, 30}, {60, 4, 30}, {70, 1, 15}}}, {1, 0}},
        {"equal points: fewer manches", {{{50, 3, 20}, {40, 3, 20}, {40, 2, 20}, {30, 1, 15}}}, {3, 2}},
        {"equal points: fewer manches, earlier row",
         {{{50, 3, 20}, {40, 2, 20}, {40, 3, 20}, {30, 1, 15}}},
         {3, 1}},
        {"manches before best manche", {{{40, 3, 10}, {40, 2, 30}, {60, 4, 30}, {70, 1, 15}}}, {1, 0}},
        {"equal points and manches: poorer best",
         {{{50, 3, 20}, {40, 2, 20}, {40, 2, 19}, {30, 1, 15}}},
         {3, 2}},
        {"equal points and manches: poorer best, earlier row",
         {{{50, 3, 20}, {40, 2, 19}, {40, 2, 20}, {30, 1, 15}}},
         {3, 1}},
        {"full tie: the later row", {{{40, 2, 20}, {40, 2, 20}, {60, 4, 30}, {30, 1, 15}}}, {3, 1}},
        {"everybody level", {{{40, 2, 20}, {40, 2, 20}, {40, 2, 20}, {40, 2, 20}}}, {3, 2}},
    };
    for (const Case& k : cases) {
        EntrantTable rows = makeEntrantTable(8);
        for (int r = 0; r < 8; ++r) {
            const std::array<int, 3>& s = k.rows[static_cast<size_t>(r % 4)];
            rows[static_cast<size_t>(r)][entrant::kOut] = Value(0);
            rows[static_cast<size_t>(r)][brisolo::kPoints] = Value(s[0]);
            rows[static_cast<size_t>(r)][brisolo::kManches] = Value(s[1]);
            rows[static_cast<size_t>(r)][brisolo::kBestManche] = Value(s[2]);
        }
        // The second table of the round: its rows count from 4.
        const std::vector<int> out = BrisoloPlaces::eliminateTwo(rows, 4);
        EXPECT_EQ(out, (std::vector<int>{4 + k.out[0], 4 + k.out[1]})) << k.why;
        for (int r = 0; r < 8; ++r)
            EXPECT_EQ(rows[static_cast<size_t>(r)][entrant::kOut].toInt(),
                      r >= 4 && (r - 4 == k.out[0] || r - 4 == k.out[1]) ? 1 : 0)
                << k.why << ", row " << r;
    }
}

} // namespace
} // namespace velmora::test
