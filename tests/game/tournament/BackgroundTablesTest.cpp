// The other tables of a round, decided in the background, and the standings board.

#include "TableFlowFixture.h"

#include "cards/RandomSequence.h"
#include "games/brisolo/BrisoloBackgroundTables.h"
#include "games/uno/UnoBackgroundTables.h"
#include "tournament/BackgroundTables.h"
#include "tournament/BoardColumns.h"
#include "tournament/GameTable.h"
#include "tournament/TableFlow.h"

#include <map>
#include <set>
#include <string>

namespace velmora::test {
namespace {

class BackgroundTablesTest : public TableFlowFixture {
  protected:
    BackgroundTables& background() { return f().backgroundTables(); }

    int emptied(int table) {
        int n = 0;
        for (int s = 0; s < 4; ++s)
            n += at(table, s)[7].isEmpty();
        return n;
    }
    int out(int table) {
        int n = 0;
        for (int s = 0; s < 4; ++s)
            n += at(table, s)[8].is("1");
        return n;
    }
    std::vector<std::string> lines(int item) {
        std::vector<std::string> result;
        const std::string& text = c("Label38", item).text;
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            result.push_back(text.substr(start, end - start));
        }
        EXPECT_EQ(start, text.size()) << "every line of Label38(" << item << ") ends with a line feed";
        return result;
    }
};

// ---- Uno ----

TEST_F(BackgroundTablesTest, UnoTicksDecideEveryOtherTableAndMirrorEveryChange) {
    struct Round {
        int entrants, humanTable;
        std::uint64_t seed;
    };
    for (const Round& round : {Round{64, 7, 11}, Round{64, 1, 12}, Round{128, 32, 13}, Round{128, 19, 14}}) {
        seatRound(round.entrants, round.humanTable, "Uno", static_cast<unsigned>(round.seed));
        form->random().setState(round.seed * 7919);
        // Some strong players too: their odds differ.
        for (int r = 0; r < 4 * f().tableCount; r += 5)
            f().tablePlayers[r][4] = Value(9000);
        for (int r = 0; r < 4 * f().tableCount; r += 5)
            f().tableFlow().mirrorRow(f().tablePlayers[r]);
        int ticks = 0;
        bool decided = false;
        while (!decided) {
            ASSERT_LT(++ticks, 20000) << "the background tables never finished";
            f().gameTable("Uno")->backgroundTick();
            expectMirrored(allColumns());
            decided = true;
            for (int t = 1; t <= f().tableCount; ++t) {
                if (t == f().humanTable) continue;
                ASSERT_LE(emptied(t), 2) << "table " << t;
                if (out(t) != 2) decided = false;
            }
        }
        for (int t = 1; t <= f().tableCount; ++t) {
            if (t == f().humanTable) {
                for (int s = 0; s < 4; ++s)
                    EXPECT_EQ(at(t, s)[7].toInt(), 10) << "the human's table is never touched";
                continue;
            }
            EXPECT_EQ(emptied(t), 2);
            for (int s = 0; s < 4; ++s)
                EXPECT_NE(at(t, s)[7].isEmpty(), at(t, s)[8].is("1")) << t << " " << s;
        }
        EXPECT_GT(ticks, 3) << "a table takes several steps";
    }
}

TEST_F(BackgroundTablesTest, PlayersLeftAtADecidedTableAreMarkedOutAtTheNextTick) {
    seatRound(8, 1, "Uno");
    form->random().setState(99);
    for (int s = 0; s < 4; ++s)
        at(2, s)[7] = Value(s == 0 ? 0 : 1);
    for (int s = 0; s < 4; ++s)
        f().tableFlow().mirrorRow(at(2, s));
    // Tick until a second player empties his hand; in that same tick nobody is marked out.
    int ticks = 0;
    while (emptied(2) < 2) {
        ASSERT_LT(++ticks, 1000);
        f().gameTable("Uno")->backgroundTick();
        if (emptied(2) == 2) {
            EXPECT_EQ(out(2), 0);
        }
    }
    std::array<Value, 4> cardsBefore;
    for (int s = 0; s < 4; ++s)
        cardsBefore[static_cast<size_t>(s)] = at(2, s)[7];
    f().gameTable("Uno")->backgroundTick();
    EXPECT_EQ(out(2), 2);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(at(2, s)[7].str(), cardsBefore[static_cast<size_t>(s)].str())
            << "a decided table draws no more";
    }
    expectMirrored(allColumns());
}

TEST_F(BackgroundTablesTest, UnoOddsFollowHandSizeAndRankingPoints) {
    // base = 35 x cards + points/100 + (2000 - points/200) x 2/100, each rounded; the draw is
    // 0..base+82 rounded, so its two ends come up half as often.
    struct Case {
        int cards;
        double points;
        int base;
    };
    RandomSequence random;
    for (const Case& test : {Case{1, 0, 75}, Case{1, 2000, 95}, Case{6, 450, 254}}) {
        std::map<int, int> seen;
        const int draws = 200000;
        for (int i = 0; i < draws; ++i)
            ++seen[UnoBackgroundTables::unoCardChange(test.cards, test.points, random)];
        const double span = test.base + 82;
        const std::map<int, double> expected = {
            {-1, (test.base + 0.5) / span}, {1, 65 / span}, {2, 7 / span}, {4, 3 / span}, {0, 6.5 / span}};
        for (const auto& [change, share] : expected) {
            EXPECT_NEAR(seen[change] / static_cast<double>(draws), share, 0.006)
                << "change " << change << " with " << test.cards << " cards and " << test.points << " points";
        }
        EXPECT_EQ(seen.size(), 5u);
    }
}

// ---- Brisolo ----

TEST_F(BackgroundTablesTest, BrisoloTablesShareOut1616PointsOverThirteenManches) {
    seatRound(64, 6, "Brisolo", 21);
    form->random().setState(4242);
    for (int t = 0; t < 16; ++t)
        f().leadSeats[static_cast<size_t>(t)] = t % 4;
    f().backgroundStep = 0;
    form->timer(5).setEnabled(true);
    std::map<int, std::vector<int>> perManche; // table -> points of each manche
    for (int manche = 1; manche <= 13; ++manche) {
        std::map<int, double> before;
        for (int t = 1; t <= 16; ++t) {
            for (int s = 0; s < 4; ++s)
                before[t] += at(t, s)[11].num();
        }
        f().gameTable("Brisolo")->backgroundTick();
        EXPECT_EQ(form->timer(5).enabled(), manche < 13);
        for (int t = 1; t <= 16; ++t) {
            double now = 0;
            for (int s = 0; s < 4; ++s)
                now += at(t, s)[11].num();
            perManche[t].push_back(static_cast<int>(now - before[t]));
            if (t == 6) continue;
            const int winner = f().leadSeats[static_cast<size_t>(t - 1)];
            EXPECT_EQ(at(t, winner)[13].toInt(), manche) << "the winner of the manche leads the next one";
        }
        expectMirrored(allColumns());
    }
    for (int t = 1; t <= 16; ++t) {
        if (t == 6) {
            for (int s = 0; s < 4; ++s)
                EXPECT_EQ(at(t, s)[7].toInt(), 13) << "the human's table is his own";
            continue;
        }
        int total = 0, manches = 0;
        for (int s = 0; s < 4; ++s) {
            EXPECT_TRUE(at(t, s)[7].isEmpty());
            total += static_cast<int>(at(t, s)[11].num());
            manches += static_cast<int>(at(t, s)[12].num());
        }
        EXPECT_EQ(total, 1616) << "table " << t;
        EXPECT_EQ(manches, 13);
        EXPECT_GE(perManche[t][0], 16) << "the first manche shares about 416/13";
        EXPECT_LE(perManche[t][0], 48);
        // The two out are those the Brisolo order puts last.
        EXPECT_EQ(out(t), 2);
        for (int a = 0; a < 4; ++a) {
            for (int b = 0; b < 4; ++b) {
                if (at(t, a)[8].is("1") && !at(t, b)[8].is("1")) {
                    EXPECT_LE(at(t, a)[11].num(), at(t, b)[11].num()) << "table " << t;
                }
            }
        }
    }
}

TEST_F(BackgroundTablesTest, MancheDrawsArePulledTowardsNineToFiftyFive) {
    RandomSequence random;
    EXPECT_EQ(BrisoloBackgroundTables::manchePoints(777, 1, random), 777) << "the last manche takes what is left";
    struct Spread {
        int low = 100000, high = -100000;
        double mean = 0;
    };
    auto spread = [&](int remaining, int cards) {
        Spread result;
        const int draws = 20000;
        for (int i = 0; i < draws; ++i) {
            const int points = BrisoloBackgroundTables::manchePoints(remaining, cards, random);
            result.low = std::min(result.low, points);
            result.high = std::max(result.high, points);
            result.mean += points / static_cast<double>(draws);
        }
        return result;
    };
    // An average share of 2: the draw 1..3 is lifted by 3..8.
    const Spread cheap = spread(20, 10);
    EXPECT_EQ(cheap.low, 4);
    EXPECT_EQ(cheap.high, 11);
    EXPECT_NEAR(cheap.mean, 7.5, 0.1);
    // An average share of 120: the draw 60..180 is lowered by 5..15.
    const Spread rich = spread(1200, 10);
    EXPECT_GE(rich.low, 45);
    EXPECT_LE(rich.high, 175);
    EXPECT_NEAR(rich.mean, 110, 1);
    // The first manche of a hand: 416 over 13 cards, 16..48 with nothing to correct.
    const Spread first = spread(416, 13);
    EXPECT_GE(first.low, 16);
    EXPECT_LE(first.high, 48);
    EXPECT_NEAR(first.mean, 32, 0.5);
}

TEST_F(BackgroundTablesTest, WithEqualRanksTheLastToPlayWinsSevenTimesAsOftenAsTheLeader) {
    seatRound(8, 1, "Brisolo");
    for (int s = 0; s < 4; ++s)
        at(2, s)[5] = Value(100);
    form->random().setState(77);
    std::map<std::string, int> wins;
    for (int i = 0; i < 40000; ++i) {
        for (int s = 0; s < 4; ++s) {
            at(2, s)[7] = Value(13);
            at(2, s)[11] = Value(0);
        }
        f().leadSeats[1] = 2; // seat 2 leads, so seat 1 plays last
        f().backgroundStep = 0;
        f().gameTable("Brisolo")->backgroundTick();
        ++wins[f().trickWinner];
    }
    const double lead = wins["2"], last = wins["1"];
    EXPECT_NEAR(last / lead, 7.0, 0.5);
    EXPECT_NEAR(wins["3"] / lead, 3.0, 0.25);
    EXPECT_NEAR(wins["0"] / lead, 5.0, 0.4);
}

// ---- Hearts ----

TEST_F(BackgroundTablesTest, HeartsTicksRevealTheSimulatedHandTrickByTrick) {
    seatRound(16, 3, "Hearts");
    for (auto& table : f().simTricks) {
        for (auto& trick : table)
            trick = {0, 0, 0, 0, 20, 20, 20, 20};
    }
    // Table 2: seat 1 takes the queen in trick 3, seat 2 hearts 9 then 4, seat 0 shoots nothing.
    auto& hand = f().simTricks[1];
    hand[3] = {0, 14, 0, 0, 20, 2, 20, 20};
    hand[5] = {0, 0, 3, 0, 20, 20, 9, 20};
    hand[8] = {0, 0, 2, 0, 20, 20, 4, 20};
    hand[12] = {0, 0, 0, 7, 20, 20, 20, 3};
    for (int t : {1, 2, 8})
        form->timer(t).setEnabled(true);
    c("Label38", 21).visible = true;
    f().backgroundStep = 0;
    for (int trick = 1; trick <= 13; ++trick) {
        f().gameTable("Hearts")->backgroundTick();
        EXPECT_EQ(at(2, 0)[7].toInt(), 13 - trick);
        EXPECT_EQ(at(3, 0)[7].toInt(), 13) << "the human's table is his own";
        if (trick == 4) {
            EXPECT_EQ(at(2, 1)[11].toInt(), 14);
            EXPECT_EQ(at(2, 1)[12].toInt(), 2);
            EXPECT_EQ(at(2, 2)[12].toInt(), 20);
        }
        if (trick == 7) {
            EXPECT_EQ(at(2, 2)[12].toInt(), 9);
        }
        EXPECT_EQ(form->timer(8).enabled(), trick < 13);
        expectMirrored({7, 11, 12});
    }
    const int points[] = {0, 14, 5, 7};
    const int lowest[] = {20, 2, 4, 3};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(at(2, s)[11].toInt(), points[s]);
        EXPECT_EQ(at(2, s)[12].toInt(), lowest[s]);
    }
    // The human's own hand goes on: the table watch keeps redrawing its scoreboard.
    EXPECT_TRUE(form->timer(1).enabled());
    EXPECT_FALSE(form->timer(2).enabled());
    EXPECT_FALSE(c("Label38", 21).visible);
    // The hand shown, the two who took most are marked out at every other table, never at his.
    const int out[] = {0, 1, 0, 1};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(at(2, s)[8].toInt(), out[s]) << "table 2, seat " << s;
        EXPECT_EQ(at(3, s)[8].toInt(), 0) << "the human's table, seat " << s;
    }
    expectMirrored({8});
}

// ---- The standings board ----

TEST_F(BackgroundTablesTest, HeadersKeepTheirFixedWidths) {
    EXPECT_EQ(form->gameTable("Uno")->standingsHeader().size(), 141u);
    EXPECT_EQ(form->gameTable("Brisolo")->standingsHeader().size(), 131u);
    EXPECT_EQ(form->gameTable("Hearts")->standingsHeader().size(), 135u);
    EXPECT_EQ(form->gameTable("Uno")->standingsHeader().substr(0, 22), "Naz  El Car  Giocatore");
    EXPECT_EQ(form->gameTable("Uno")->standingsHeader().substr(125), "Rank       Punti");
    EXPECT_EQ(form->gameTable("Brisolo")->standingsHeader().substr(0, 34),
              "Naz  El Car   Pu  Ma  MP Giocatore");
    EXPECT_EQ(form->gameTable("Hearts")->standingsHeader().substr(0, 32), "Naz  El Car  Pu  Cuo   Giocatore");
}

TEST_F(BackgroundTablesTest, TheBoardShowsTheChosenTableWithMarksOnlyOnceHandsAreEmpty) {
    seatRound(16, 2, "Brisolo");
    for (int s = 0; s < 4; ++s) {
        at(3, s)[11] = Value(100 * s);
        at(3, s)[12] = Value(s);
        at(3, s)[14] = Value(10 + s);
    }
    form->window().setComboText(c("Combo7"), "3");
    EXPECT_EQ(c("Label38", 9).text, form->gameTable("Brisolo")->standingsHeader());
    EXPECT_EQ(lines(4).size(), 4u);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(lines(4)[s], at(3, s)[0].str() + " " + at(3, s)[1].str());
        EXPECT_EQ(lines(6)[s], "13");
        EXPECT_EQ(lines(7)[s], at(3, s)[5].str());
        EXPECT_EQ(lines(8)[s], at(3, s)[4].str());
        EXPECT_EQ(lines(24)[s], std::to_string(100 * s));
        EXPECT_EQ(lines(25)[s], std::to_string(s));
        EXPECT_EQ(lines(26)[s], std::to_string(10 + s));
        EXPECT_EQ(lines(18)[s], "") << "still playing: no marks";
        EXPECT_EQ(lines(5)[s], "");
        EXPECT_TRUE(c("Image14", s).visible);
        EXPECT_EQ(c("Image14", s).picture, "\\immagini\\flags\\" + at(3, s)[3].str() + ".jpg");
    }
    for (int s = 0; s < 4; ++s) {
        at(3, s)[7] = Value(0);
        at(3, s)[8] = Value(s % 2);
    }
    background().refreshStandings();
    EXPECT_EQ(lines(18), (std::vector<std::string>{"V", "", "V", ""}));
    EXPECT_EQ(lines(5), (std::vector<std::string>{"", "X", "", "X"}));

    // Hearts letters the lowest heart; a table that does not exist shows nothing.
    f().currentGame = "Hearts";
    at(3, 1)[12] = Value(12);
    at(3, 2)[12] = Value(20);
    background().refreshStandings();
    EXPECT_EQ(lines(25), (std::vector<std::string>{"", "D", "", "3"}));
    EXPECT_TRUE(lines(26).empty());
    c("Combo7").text = "9";
    background().refreshStandings();
    EXPECT_TRUE(lines(4).empty());
    for (int s = 0; s < 4; ++s)
        EXPECT_FALSE(c("Image14", s).visible);
}

TEST_F(BackgroundTablesTest, TheUnoBoardSettlesWhoGoesOn) {
    seatRound(16, 1, "Uno", 2);
    at(4, 0)[7] = Value(0);
    for (int s = 0; s < 4; ++s)
        f().tableFlow().mirrorRow(at(4, s));
    c("Combo7").text = "4";
    background().refreshStandings();
    EXPECT_EQ(c("Label38", 9).text.size(), 141u);
    EXPECT_EQ(lines(18), (std::vector<std::string>{"V", "", "", ""}));
    auto master = [&](int s) {
        return f().roundPlayers[findEntrant(f().roundPlayers, at(4, s)[0].str(), at(4, s)[1].str())];
    };
    EXPECT_TRUE(master(1)[8].isEmpty()) << "undecided: nobody is out yet";

    at(4, 2)[7] = Value(0);
    f().tableFlow().mirrorRow(at(4, 2));
    background().refreshStandings();
    EXPECT_EQ(lines(18), (std::vector<std::string>{"V", "", "V", ""}));
    EXPECT_EQ(lines(5), (std::vector<std::string>{"", "", "", ""})) << "players holding cards show no mark";
    EXPECT_EQ(master(1)[8].toInt(), 1);
    EXPECT_EQ(master(3)[8].toInt(), 1);
    EXPECT_EQ(master(2)[8].toInt(), 0);
}

TEST_F(BackgroundTablesTest, BoardColumnsLineUpUnderTheirHeaderWords) {
    const double cw = BoardColumns::charWidth();
    for (const std::string game : {"Uno", "Brisolo", "Hearts"}) {
        seatRound(8, 1, game);
        background().refreshStandings();
        const Control& header = c("Label38", 9);
        auto column = [&](const std::string& word) { return header.left + cw * header.text.find(word); };
        EXPECT_NEAR(c("Label38", 4).left, column("Giocatore"), 1) << game;
        EXPECT_NEAR(c("Label38", 18).left, column(" El ") + cw, 1) << game;
        EXPECT_NEAR(c("Label38", 8).left + c("Label38", 8).width, column("Punti") + 5 * cw, 1) << game;
        EXPECT_LE(c("Label38", 4).left + c("Label38", 4).width, column("Rank")) << game;
    }
}

} // namespace
} // namespace velmora::test
