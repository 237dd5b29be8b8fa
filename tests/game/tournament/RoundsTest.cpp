#include "game/tournament/TournamentStartFixture.h"

#include "tournament/GameTable.h"
#include "tournament/Rounds.h"

#include <map>
#include <set>
#include <sstream>

namespace velmora {
namespace {

using test::TournamentFixture;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line, '\n'))
        out.push_back(line);
    return out;
}

class RoundsTest : public TournamentFixture {
  protected:
    // Starts an event of the game with n entrants (in a nation unless a host marker is given).
    void startEvent(const std::string& game, int n, std::uint64_t seed = 1, const std::string& host = "") {
        makeWorld();
        enter(eventFor(game, n, host));
        start(seed);
        // Every game has its tables: nothing is refused, and the field is drawn.
        EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
        ASSERT_EQ(entrants(), n);
    }

    // The seating of a new round: every table full with entrants still in, nobody else seated.
    void expectSeated() {
        Form1& f = *form;
        std::map<int, int> perTable;
        int stillIn = 0;
        for (const EntrantRow& row : f.roundPlayers) {
            if (row[0].isEmpty()) continue;
            const bool in = row[8].isEmpty();
            stillIn += in;
            const int table = static_cast<int>(row[6].num());
            if (in) {
                EXPECT_GE(table, 1) << row[0].str();
                ++perTable[table];
                for (int col = 11; col <= 14; ++col)
                    EXPECT_TRUE(row[col].isEmpty());
                // Every table, the human's or another, starts from the game's own deal ("Car").
                EXPECT_EQ(row[7].num(), f.gameTable()->handSize()) << row[0].str() << " at table " << table;
            } else {
                EXPECT_EQ(table, 0) << row[0].str();
            }
        }
        EXPECT_EQ(stillIn, 4 * f.tableCount);
        for (int t = 1; t <= f.tableCount; ++t)
            EXPECT_EQ(perTable[t], 4) << "table " << t;
        EXPECT_EQ(f.humanTable, f.roundPlayers[0][6].num());
        EXPECT_EQ(c("Combo7").items.size(), static_cast<size_t>(f.tableCount));
        EXPECT_EQ(c("Combo7").text, std::to_string(f.humanTable));
        EXPECT_EQ(c("Label38", 10).text, "TAVOLO " + std::to_string(f.humanTable));
        EXPECT_EQ(c("Label38", 5).text, "");
        EXPECT_EQ(c("Label38", 18).text, "");
        EXPECT_FALSE(c("Label39").visible);
        EXPECT_TRUE(c("Label8").visible);
        EXPECT_FALSE(c("Label49").visible);
        EXPECT_EQ(form->timer(5).interval(), 7000);
        EXPECT_TRUE(form->window().enabled());
    }

    // Place group -> number of entrants; every entrant must hold exactly one group.
    std::map<int, int> placeGroups() {
        std::map<int, int> groups;
        for (const EntrantRow& row : form->roundPlayers) {
            if (row[0].isEmpty()) continue;
            EXPECT_FALSE(row[9].isEmpty()) << row[0].str() << " has no place";
            ++groups[static_cast<int>(row[9].num())];
        }
        return groups;
    }

    // The final table as the frame leaves it in tablePlayers rows 0..3, with the seats filled.
    void seatFinal() {
        Form1& f = *form;
        ASSERT_EQ(f.tableCount, 1);
        regroup();
        f.seatNames[3] = f.roundPlayers[0];
        int seat = 0;
        for (int i = 1; i < 512 && seat < 3; ++i) {
            if (f.roundPlayers[i][6].num() == 1) f.seatNames[seat++] = f.roundPlayers[i];
        }
        ASSERT_EQ(seat, 3);
    }

    // Index in tablePlayers 0..3 of a seat's entrant.
    int finalRow(int seat) {
        const EntrantRow& s = form->seatNames[seat];
        for (int i = 0; i < 4; ++i) {
            if (sameEntrant(form->tablePlayers[i], s[0].str(), s[1].str())) return i;
        }
        ADD_FAILURE() << "seat " << seat << " not at the final table";
        return 0;
    }

    // Every entrant listed over all pages of the board, with its place number.
    std::map<std::string, int> listAllPages() {
        std::map<std::string, int> listed;
        const std::vector<std::string> pages = c("Combo8").items;
        int expectedPlace = 1;
        for (const std::string& page : pages) {
            if (page != "1") {
                EXPECT_TRUE(form->window().choose("Combo8", -1, page));
            }
            EXPECT_TRUE(form->window().enabled());
            std::vector<std::string> names = lines(c("Label40", 6).text);
            for (const std::string& line : lines(c("Label40", 7).text))
                names.push_back(line);
            EXPECT_EQ(lines(c("Label40", 10).text).size() + lines(c("Label40", 12).text).size(),
                      names.size());
            EXPECT_EQ(lines(c("Label40", 11).text).size() + lines(c("Label40", 13).text).size(),
                      names.size());
            for (size_t i = 0; i < 64; ++i)
                EXPECT_EQ(c("Image17", i).visible, i < names.size()) << page << "/" << i;
            for (const std::string& line : names) {
                const auto dot = line.find(". ");
                EXPECT_EQ(std::stoi(line.substr(0, dot)), expectedPlace++) << line;
                EXPECT_TRUE(listed.emplace(line.substr(dot + 2), expectedPlace - 1).second)
                    << "twice: " << line;
            }
        }
        return listed;
    }

    std::mt19937 rng{12345};
};

TEST_F(RoundsTest, RoundCaptionsFollowTheFieldSize) {
    int number = 1;
    EXPECT_EQ(Rounds::roundCaption(64, number), "2° TURNO");
    EXPECT_EQ(Rounds::roundCaption(32, number), "3° TURNO");
    EXPECT_EQ(Rounds::roundCaption(16, number), "OTTAVI");
    EXPECT_EQ(Rounds::roundCaption(2, number), "FINALE");
    EXPECT_EQ(number, 3) << "only rounds without a name are counted";

    for (int n : {8, 64, 128}) {
        SCOPED_TRACE(n);
        startEvent("Uno", n, 9);
        std::vector<std::string> captions;
        while (form->qualifierCount > 2) {
            finishRound(true, rng);
            nextRound();
            ASSERT_EQ(platform.takeMessages(), std::vector<std::string>{});
            captions.push_back(c("Label38", 20).text);
            expectSeated();
        }
        std::vector<std::string> expected = {"OTTAVI", "QUARTI", "SEMIFINALI", "FINALE"};
        if (n == 8) expected = {"FINALE"};
        if (n == 128) expected.insert(expected.begin(), "2° TURNO");
        EXPECT_EQ(captions, expected);
        EXPECT_EQ(form->roundNumber, n == 128 ? 2 : 1);
        EXPECT_EQ(form->tableCount, 1);
    }
}

TEST_F(RoundsTest, ThePlayedUnoFinalEndsOneTwoThreeThreeWithoutSimulation) {
    startEvent("Uno", 64, 21);
    while (form->qualifierCount > 2) {
        finishRound(true, rng);
        nextRound();
    }
    ASSERT_EQ(platform.takeMessages(), std::vector<std::string>{});
    seatFinal();
    Form1& f = *form;
    // Seat 1 won, the human came second, seat 0 was placed third at the table's end; seat 2 still
    // holds cards and has no place yet.
    f.tablePlayers[finalRow(1)][9] = Value(1);
    f.tablePlayers[finalRow(3)][9] = Value(2);
    f.tablePlayers[finalRow(0)][9] = Value(3);
    const char* counters[] = {"2", "0", "4", "0"};
    for (int seat = 0; seat < 4; ++seat)
        c("Label40", seat).text = counters[seat];
    const std::map<int, int> before = [&] {
        std::map<int, int> g;
        for (const EntrantRow& row : f.roundPlayers) {
            if (!row[0].isEmpty() && !row[9].isEmpty()) ++g[static_cast<int>(row[9].num())];
        }
        return g;
    }();
    c("Picture5").visible = true;
    c("Label49").visible = true;
    nextRound();
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});

    EXPECT_TRUE(c("Picture7").visible);
    EXPECT_EQ(f.qualifierCount, 1);
    auto placeOf = [&](int seat) {
        const EntrantRow& s = f.seatNames[seat];
        return f.roundPlayers[findEntrant(f.roundPlayers, s[0].str(), s[1].str())][9].num();
    };
    EXPECT_EQ(placeOf(1), 1);
    EXPECT_EQ(placeOf(3), 2);
    EXPECT_EQ(placeOf(0), 3);
    EXPECT_EQ(placeOf(2), 3);
    const std::map<int, int> groups = placeGroups();
    EXPECT_EQ(groups, (std::map<int, int>{{1, 1}, {2, 1}, {3, 2}, {4, 4}, {8, 8}, {16, 16}, {32, 32}}));
    // Nobody outside the final was touched.
    for (auto [group, count] : before) {
        if (group > 3) {
            EXPECT_EQ(groups.at(group), count);
        }
    }
    EXPECT_EQ(f.roundPlayers[0][9].num(), 2);
}

TEST_F(RoundsTest, AMissingFinalPlaceIsCompletedFromWhatIsLeft) {
    startEvent("Uno", 8, 4);
    finishRound(true, rng);
    nextRound();
    ASSERT_EQ(c("Label38", 20).text, "FINALE");
    seatFinal();
    Form1& f = *form;
    // Only the winner was recorded; the human emptied his hand second but got no place, the other
    // two still hold cards.
    f.tablePlayers[finalRow(2)][9] = Value(1);
    const char* counters[] = {"3", "5", "0", "0"};
    for (int seat = 0; seat < 4; ++seat)
        c("Label40", seat).text = counters[seat];
    c("Picture5").visible = true;
    c("Label49").visible = true;
    nextRound();
    EXPECT_EQ(placeGroups(), (std::map<int, int>{{1, 1}, {2, 1}, {3, 2}, {4, 4}}));
    EXPECT_EQ(f.roundPlayers[0][9].num(), 2);
    // The scoreboard rows follow the final table.
    for (const EntrantRow& row : f.boardRows) {
        const int i = findEntrant(f.roundPlayers, row[0].str(), row[1].str());
        ASSERT_GE(i, 0);
        EXPECT_EQ(row[9].num(), f.roundPlayers[i][9].num());
    }
}

TEST_F(RoundsTest, TheHumanOutInRoundOneDecidesTheRestRoundByRound) {
    for (std::uint64_t seed : {2u, 3u, 5u}) {
        SCOPED_TRACE(seed);
        startEvent("Uno", 64, seed);
        finishRound(false, rng);
        nextRound();
        EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
        EXPECT_TRUE(c("Picture7").visible) << "the prize board opens at once";
        EXPECT_EQ(form->roundPlayers[0][9].num(), 32);
        const std::map<int, int> groups = placeGroups();
        EXPECT_EQ(groups, (std::map<int, int>{{1, 1}, {2, 1}, {3, 2}, {4, 4}, {8, 8}, {16, 16}, {32, 32}}));
        int total = 0;
        for (auto [group, count] : groups)
            total += count;
        EXPECT_EQ(total, 64);
        EXPECT_FALSE(c("Label39").visible);
        EXPECT_TRUE(c("Label8").visible);
        EXPECT_FALSE(c("Label49").visible) << "the decided tournament cannot be moved on again";
        EXPECT_TRUE(form->window().enabled());
    }
}

TEST_F(RoundsTest, HeartsAndBrisoloFinalsAreDecidedByTheirOwnRules) {
    startEvent("Hearts", 64, 8);
    EXPECT_EQ(c("Label46").text.substr(0, 6), "Hearts");
    finishRound(false, rng);
    nextRound();
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    EXPECT_EQ(placeGroups(),
              (std::map<int, int>{{1, 1}, {2, 1}, {3, 2}, {4, 4}, {8, 8}, {16, 16}, {32, 32}}));

    // Brisolo ranks the finalists on the points, manches and best manche left from their play.
    startEvent("Brisolo", 64, 8);
    finishRound(false, rng);
    Form1& f = *form;
    int k = 0;
    for (EntrantRow& row : f.roundPlayers) {
        if (row[0].isEmpty() || !row[8].isEmpty()) continue;
        row[11] = Value(100 + (k * 37) % 61); // distinct points
        row[12] = Value(k % 3);
        row[14] = Value(k);
        ++k;
    }
    regroup();
    std::map<std::string, double> points;
    for (const EntrantRow& row : f.roundPlayers)
        points[row[0].str()] = row[11].num();
    nextRound();
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    std::map<int, double> byPlace;
    for (const EntrantRow& row : f.roundPlayers) {
        const int place = static_cast<int>(row[9].num());
        if (!row[0].isEmpty() && place >= 1 && place <= 3) {
            EXPECT_FALSE(byPlace.count(place) && place < 3);
            byPlace[place] = points[row[0].str()];
            EXPECT_TRUE(row[11].isEmpty()) << "the placed finalist's scores are cleared";
        }
    }
    ASSERT_EQ(byPlace.size(), 3u);
    EXPECT_GT(byPlace[1], byPlace[2]);
    EXPECT_GT(byPlace[2], byPlace[3]);
    EXPECT_EQ(placeGroups().at(3), 2);
    EXPECT_EQ(placeGroups().at(4), 4);
}

TEST_F(RoundsTest, ThePrizeBoardListsEveryEntrantOnceWithItsTierAcrossPages) {
    startEvent("Uno", 128, 17);
    finishRound(false, rng);
    nextRound();
    ASSERT_EQ(platform.takeMessages(), std::vector<std::string>{});
    Form1& f = *form;
    EXPECT_EQ(c("Combo8").items, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(c("Label40", 5).text, f.enteredEvent);
    EXPECT_EQ(c("Image16").picture, "\\immagini\\flags\\" + f.eventRows.at(8, 0).str() + ".jpg");
    EXPECT_TRUE(c("Image16").visible);
    // He went out in the first round: his line is on page 2, and the board says so.
    EXPECT_TRUE(c("Label80").visible);
    EXPECT_EQ(c("Label80").text, "La tua riga: pagina 2");

    // Page 1: the tiers cover places 1, 2, 3-4, 5-8, 9-16, 17-32, 33-64.
    const std::string level = f.eventRows.at(1, 0).str();
    Rows prizes = f.db().query("SELECT * FROM premi where importanza=" + level + " order by id asc ");
    Rows points =
        f.db().query("SELECT * FROM punti where importanza=" + level + " order by punti desc,da asc ");
    std::vector<std::string> prize = lines(c("Label40", 10).text), prizeRight = lines(c("Label40", 12).text);
    std::vector<std::string> pts = lines(c("Label40", 11).text), ptsRight = lines(c("Label40", 13).text);
    prize.insert(prize.end(), prizeRight.begin(), prizeRight.end());
    pts.insert(pts.end(), ptsRight.begin(), ptsRight.end());
    ASSERT_EQ(prize.size(), 64u);
    const std::map<int, int> tierOfLine = {{0, 0}, {1, 1},  {2, 2},  {3, 2},  {4, 3},  {7, 3},
                                           {8, 4}, {15, 4}, {16, 5}, {31, 5}, {32, 6}, {63, 6}};
    for (auto [line, tier] : tierOfLine) {
        EXPECT_EQ(prize[line], prizes.at(1, tier).str()) << "line " << line;
        EXPECT_EQ(pts[line], points.at(1, tier).str()) << "line " << line;
    }
    EXPECT_EQ(lines(c("Label40", 6).text)[0].substr(0, 3), "1. ");
    EXPECT_EQ(lines(c("Label40", 6).text).size(), 32u);
    EXPECT_EQ(lines(c("Label40", 7).text).size(), 32u);
    EXPECT_EQ(lines(c("Label40", 7).text)[0].substr(0, 4), "33. ");

    const std::map<std::string, int> listed = listAllPages();
    EXPECT_EQ(listed.size(), 128u);
    for (const EntrantRow& row : f.roundPlayers) {
        if (row[0].isEmpty()) continue;
        const auto it = listed.find(row[0].str() + " " + row[1].str());
        ASSERT_NE(it, listed.end()) << row[0].str();
        // Places are listed best group first.
        if (row[9].num() == 64) {
            EXPECT_GT(it->second, 64);
        }
        if (row[9].num() <= 32) {
            EXPECT_LE(it->second, 64);
        }
    }
    // Page 2 holds the first-round losers, all on the tier of places 65-128.
    EXPECT_EQ(c("Combo8").text, "2");
    EXPECT_EQ(lines(c("Label40", 6).text)[0].substr(0, 4), "65. ");
    EXPECT_EQ(lines(c("Label40", 13).text).back(), points.at(1, 7).str());
    EXPECT_EQ(c("Image17", 0).picture.rfind("\\immagini\\flags\\", 0), 0u);

    // From page 1 a click on the pointer turns to the page with his line.
    ASSERT_TRUE(form->window().choose("Combo8", -1, "1"));
    ASSERT_TRUE(form->window().click("Label80"));
    EXPECT_EQ(c("Combo8").text, "2");
    const std::string own = ". " + f.roundPlayers[0][0].str() + " " + f.roundPlayers[0][1].str() + "\n";
    EXPECT_NE((c("Label40", 6).text + c("Label40", 7).text).find(own), std::string::npos);
}

TEST_F(RoundsTest, SmallAndNationalEventsGetAFittingBoard) {
    EXPECT_EQ(Rounds::prizePages(8), 1);
    EXPECT_EQ(Rounds::prizePages(16), 1);
    EXPECT_EQ(Rounds::prizePages(64), 1);
    EXPECT_EQ(Rounds::prizePages(96), 2);
    EXPECT_EQ(Rounds::prizePages(128), 2);
    EXPECT_EQ(Rounds::prizePages(512), 8);

    // The national championship is held in the player's own nation: its flag is his.
    startEvent("Uno", 64, 6, "nazio");
    finishRound(false, rng);
    nextRound();
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    EXPECT_EQ(c("Image16").picture, "\\immagini\\flags\\" + form->roundPlayers[0][3].str() + ".jpg");

    // A field of 16 ends in one page, and nothing waits for a second one.
    makeWorld();
    const std::string event = eventFor("Uno", 64);
    form->db().execute("UPDATE calendario SET giocatori='16' WHERE torneo='" + event + "'");
    enter(event);
    start(2);
    ASSERT_EQ(entrants(), 16);
    finishRound(false, rng);
    nextRound();
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    EXPECT_EQ(c("Combo8").items, std::vector<std::string>{"1"});
    EXPECT_EQ(listAllPages().size(), 16u);

    // The 8-player final lists its eight.
    makeWorld();
    enter(eventFor("Uno", 8));
    start(3);
    finishRound(false, rng);
    nextRound();
    EXPECT_EQ(c("Combo8").items, std::vector<std::string>{"1"});
    EXPECT_EQ(listAllPages().size(), 8u);
}

} // namespace
} // namespace velmora
