// The record table and the trophy shelf add up the tournaments of the history: a win is place 1, a
// final is a seat at the final table (places 1 to 3 as stored; 5 is a semifinal lost), the best place
// is kept per kind of event, and the shelf lists the latest first.

#include "rankings/CareerRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::test {
namespace {

struct Played {
    int season, week;
    const char* event;
    const char* game;
    const char* kind;
    int place;
    long prize, points;
};

Rows historyRows(const std::vector<Played>& played) {
    std::vector<Value> cells;
    for (const Played& p : played) {
        for (const Value& v : {Value(p.season), Value(p.week), Value(p.event), Value(p.game), Value(p.kind),
                               Value(64), Value(p.place), Value(p.prize), Value(p.points)})
            cells.push_back(v);
    }
    return Rows({"stagione", "settimana", "torneo", "gioco", "categoria", "giocatori", "posizione", "premio",
                 "punti"},
                cells);
}

TEST(CareerRecordTest, CountsWinsFinalsBestPlacesPrizesAndPointsPerGameAndOverall) {
    const CareerRecord record(historyRows({
        {1, 3, "Open di Milano", "Hearts", "Open", 33, 0, 10},
        {1, 9, "Coppa dell'Aia", "Brisolo", "Challenger", 1, 2000, 100},
        {1, 12, "Open di Lione", "Uno", "Open", 5, 400, 60},   // out in the semifinals: no final
        {1, 20, "Masters di Madrid", "Uno", "Masters", 3, 900, 120},
        {2, 2, "Open di Lione", "Uno", "Open", 2, 1500, 150},
        {2, 6, "Challenger di Cork", "Uno", "Challenger", 1, 800, 80},
        {2, 7, "Trofeo di Porto", "Uno", "Challenger", 9, 0, 20},
    }));
    const GameRecord& uno = record.game("Uno");
    EXPECT_EQ(uno.played, 5);
    EXPECT_EQ(uno.won, 1);
    EXPECT_EQ(uno.finals, 3);
    EXPECT_EQ(uno.bestPlace.at("Open"), 2);
    EXPECT_EQ(uno.bestPlace.at("Masters"), 3);
    EXPECT_EQ(uno.bestPlace.at("Challenger"), 1);
    EXPECT_EQ(uno.bestPlace.count("Grand Slam"), 0u);
    EXPECT_EQ(uno.prize, 400 + 900 + 1500 + 800);
    EXPECT_EQ(uno.points, 60 + 120 + 150 + 80 + 20);

    const GameRecord& hearts = record.game("Hearts");
    EXPECT_EQ(hearts.played, 1);
    EXPECT_EQ(hearts.finals, 0);
    EXPECT_EQ(hearts.bestPlace.at("Open"), 33);
    EXPECT_EQ(record.game("Brisolo").won, 1);

    const GameRecord& all = record.overall();
    EXPECT_EQ(all.played, 7);
    EXPECT_EQ(all.won, 2);
    EXPECT_EQ(all.finals, 4);
    EXPECT_EQ(all.bestPlace.at("Open"), 2);
    EXPECT_EQ(all.prize, uno.prize + hearts.prize + 2000);
    EXPECT_EQ(all.points, uno.points + hearts.points + 100);
    EXPECT_EQ(record.bestGame(), "Uno");

    // The shelf: latest first, the season before the week.
    ASSERT_EQ(record.wins().size(), 2u);
    EXPECT_EQ(record.wins()[0].event, "Challenger di Cork");
    EXPECT_EQ(record.wins()[1].event, "Coppa dell'Aia");
    EXPECT_EQ(record.wins()[1].season, 1);
    EXPECT_EQ(record.wins()[1].week, 9);
    std::vector<std::string> finals;
    for (const PlayedEvent& played : record.finals())
        finals.push_back(played.event + std::string(" ") + std::to_string(played.place));
    EXPECT_EQ(finals, (std::vector<std::string>{"Challenger di Cork 1", "Open di Lione 2", "Masters di Madrid 3",
                                                 "Coppa dell'Aia 1"}));
}

TEST(CareerRecordTest, OnEqualPointsTheBestGameIsTheBetterBestPlaceThenTheLargerPrizes) {
    struct Case {
        const char* why;
        std::vector<Played> played;
        const char* best;
    };
    const Case cases[] = {
        {"points first", {{1, 3, "A", "Uno", "Open", 1, 900, 90}, {1, 4, "B", "Brisolo", "Open", 17, 0, 100}}, "Brisolo"},
        {"then the best place", {{1, 3, "A", "Uno", "Open", 9, 900, 100}, {1, 4, "B", "Hearts", "Masters", 5, 100, 100}},
         "Hearts"},
        {"then the prizes", {{1, 3, "A", "Uno", "Open", 9, 100, 100}, {1, 4, "B", "Hearts", "Open", 9, 900, 100}},
         "Hearts"},
        {"a place beats none", {{1, 3, "A", "Uno", "Open", 0, 900, 100}, {1, 4, "B", "Hearts", "Open", 40, 0, 100}},
         "Hearts"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CareerRecord(historyRows(c.played)).bestGame(), c.best) << c.why;
}

TEST(CareerRecordTest, AnEmptyHistoryHasNoRecordAndNoBestGame) {
    const CareerRecord record{Rows()};
    EXPECT_EQ(record.overall().played, 0);
    EXPECT_EQ(record.game("Uno").bestPlace.size(), 0u);
    EXPECT_TRUE(record.wins().empty());
    EXPECT_EQ(record.bestGame(), "");
}

} // namespace
} // namespace velmora::test
