// Creating a world: the input checks, the 2000 players, the season played out before the career
// starts, the career's own values, and names the store must keep exactly.

#include "CareerWorld.h"

#include "career/PlayerKey.h"
#include "career/WeekSimulation.h"
#include "data/Database.h"
#include "data/Quoting.h"
#include "data/Transaction.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace velmora::test {
namespace {

class NewCareerTest : public CareerTest {};

TEST_F(NewCareerTest, MakesTwoThousandDistinctPlayersWithinTheirRanges) {
    openWorld();
    Rows players = form->db().query("SELECT * FROM giocatori");
    ASSERT_EQ(players.rowCount(), 2000);
    std::set<std::string> pairs;
    std::map<std::string, int> perNation;
    int humans = 0;
    for (int r = 0; r <= players.last(); ++r) {
        // A pair the store would match for two rows would let one player's update hit another.
        EXPECT_TRUE(pairs.insert(playerKey(players.at(0, r).str(), players.at(1, r).str())).second)
            << players.at(0, r).str() << " " << players.at(1, r).str();
        EXPECT_FALSE(players.at(0, r).isEmpty());
        EXPECT_FALSE(players.at(1, r).isEmpty());
        const long long age = players.at(3, r).toInt();
        EXPECT_GE(age, 18);
        EXPECT_LE(age, 68);
        EXPECT_FALSE(players.at(2, r).isEmpty()) << "nation key of row " << r;
        EXPECT_FALSE(players.at(5, r).isEmpty()) << "continent of row " << r;
        ++perNation[players.at(4, r).str()];
        if (players.at(6, r).toInt() == 0) {
            ++humans;
            EXPECT_EQ(players.at(0, r).str(), "Rossi");
            EXPECT_EQ(players.at(1, r).str(), "Mario");
            EXPECT_EQ(players.at(4, r).str(), "Italia");
            EXPECT_EQ(players.at(7, r).toInt(), 0);
            EXPECT_EQ(players.at(8, r).toInt(), 0);
            continue;
        }
        for (int skill = 6; skill <= 8; ++skill) {
            EXPECT_GE(players.at(skill, r).toInt(), 1);
            EXPECT_LE(players.at(skill, r).toInt(), 10);
        }
    }
    EXPECT_EQ(humans, 1);
    // No nation takes more than 31 players unless the rare roll (about one try in forty) lets one
    // more in; uncapped, the draw would put about 150 players above that line.
    int aboveCap = 0;
    for (const auto& [nation, count] : perNation)
        aboveCap += std::max(0, count - 31);
    EXPECT_LE(aboveCap, 20);
    EXPECT_GE(perNation.size(), 60u);
}

TEST_F(NewCareerTest, StartsTheCareerAtWeekOneWithTwentyThousandEuro) {
    openWorld();
    KeyValueStore& temp = form->temp();
    EXPECT_EQ(temp.number("settimana"), 1);
    EXPECT_EQ(temp.number("tuodenaro"), 20000);
    EXPECT_EQ(temp.text("evento"), "0");
    EXPECT_EQ(temp.text("tuonome"), "Mario");
    EXPECT_EQ(temp.text("tuocognome"), "Rossi");
    EXPECT_EQ(temp.text("tuanazionalita"), "Italia");
    EXPECT_EQ(temp.number("tuaeta"), 30);
}

TEST_F(NewCareerTest, ThePreviousSeasonLeavesPointsThatAreTheSumOfItsResults) {
    openWorld();
    expectPointsMatchResults();
    expectNobodyTwiceAWeek();
    // The human has not played yet: no results and no points.
    EXPECT_EQ(form->db().query("SELECT * FROM tornei where cognome='Rossi'and nome='Mario'").rowCount(), 0);
    EXPECT_EQ(form->db().query("SELECT totalepunti FROM giocatori where uno=0").at(0, 0).toInt(), 0);

    // Every event of the season but the continental and national ones has a full field.
    Rows events = form->db().query("SELECT torneo, giocatori, settimana, nazione FROM calendario");
    Rows played = form->db().query("SELECT torneo, COUNT(*), MIN(settimana), MAX(settimana) FROM tornei "
                                   "GROUP BY torneo");
    std::map<std::string, int> fieldOf;
    for (int r = 0; r <= played.last(); ++r) {
        fieldOf[played.at(0, r).str()] = static_cast<int>(played.at(1, r).toInt());
        EXPECT_EQ(played.at(2, r).toInt(), played.at(3, r).toInt()) << played.at(0, r).str();
    }
    for (int r = 0; r <= events.last(); ++r) {
        const std::string host = events.at(3, r).str();
        const int expected =
            host == "conti" || host == "nazio" ? 0 : static_cast<int>(events.at(1, r).toInt());
        EXPECT_EQ(fieldOf[events.at(0, r).str()], expected) << events.at(0, r).str();
    }
}

// The finals of weeks 50, 51 and 52 seat the eight best of Uno, Hearts and Brisolo after the
// weeks before, and end in that ranking order.
TEST_F(NewCareerTest, FinalsSeatTheEightBestAndEndInRankingOrder) {
    openWorld();
    const char* games[] = {"Uno", "Hearts", "Brisolo"};
    for (int g = 0; g < 3; ++g) {
        const int week = 50 + g;
        Rows before = form->db().query(
            std::string("SELECT cognome, nome, SUM(punti) AS p FROM tornei WHERE tipo='") + games[g] +
            "' AND settimana<" + std::to_string(week) + " GROUP BY cognome, nome ORDER BY p DESC");
        Rows final = form->db().query("SELECT cognome, nome, posizione FROM tornei WHERE settimana=" +
                                      std::to_string(week) + " ORDER BY posizione, rowid");
        ASSERT_EQ(final.rowCount(), 8) << games[g];
        ASSERT_GE(before.rowCount(), 8);
        const long long eighth = before.at(2, 7).toInt();
        long long previous = before.at(2, 0).toInt();
        for (int r = 0; r < 8; ++r) {
            const int row = playerRow(before, final.at(0, r).str(), final.at(1, r).str());
            ASSERT_GE(row, 0) << games[g];
            const long long points = before.at(2, row).toInt();
            EXPECT_GE(points, eighth) << games[g] << ": a finalist outside the eight best";
            EXPECT_LE(points, previous) << games[g] << ": the final is not in ranking order";
            previous = points;
        }
    }
}

TEST_F(NewCareerTest, OpensTheDashboardAndShowsProgressWhileItWorks) {
    openWorld();
    platform.takeMessages();
    const int yieldsBefore = platform.yields();
    createCareer("Anna", "Bianchi", "Francia");
    EXPECT_TRUE(platform.takeMessages().empty());
    EXPECT_GT(platform.yields() - yieldsBefore, 100);
    EXPECT_TRUE(c("Label4").visible);
    EXPECT_EQ(c("Label4").text.rfind("Attendere Nuova Partita..... ", 0), 0u) << c("Label4").text;
    EXPECT_EQ(c("Label4").text.back(), '%');
    EXPECT_TRUE(c("Picture2").visible);
    EXPECT_FALSE(c("Picture1").visible);
    EXPECT_TRUE(form->window().enabled());
    EXPECT_EQ(form->temp().text("tuanazionalita"), "Francia");
    // The old world is gone: one human, the new one.
    Rows humans = form->db().query("SELECT cognome, nome, nazione FROM giocatori where uno=0");
    ASSERT_EQ(humans.rowCount(), 1);
    EXPECT_EQ(humans.at(0, 0).str(), "Bianchi");
    EXPECT_EQ(humans.at(2, 0).str(), "Francia");
    EXPECT_EQ(form->db().query("SELECT * FROM giocatori").rowCount(), 2000);
}

TEST_F(NewCareerTest, RefusesMissingNamesAndChangesNothing) {
    openWorld();
    const std::string before = dump();
    // Besides plain blanks: an ideographic space, a zero-width space, a byte-order mark, a word joiner
    // with a no-break space, a Hangul filler and a soft hyphen show nothing either.
    const std::pair<std::string, std::string> refused[] = {{"", "Verdi"},       {"Luca", ""},
                                                           {"   ", "Verdi"},    {"Luca", " \t "},
                                                           {"0", "Verdi"},      {"Luca", "0"},
                                                           {"\u3000", "Verdi"}, {"Luca", "\u200b\u200b"},
                                                           {"\ufeff", "Verdi"}, {"Luca", "\u2060\u00a0"},
                                                           {"\u3164", "Verdi"}, {"Luca", "\u00ad"}};
    for (const auto& [first, surname] : refused) {
        createCareer(first, surname);
        EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{"Inserisci un nome e un cognome."})
            << "'" << first << "' '" << surname << "'";
        EXPECT_EQ(platform.lastTitle(), form->appTitle);
        EXPECT_TRUE(c("Picture1").visible);
        EXPECT_FALSE(c("Picture2").visible);
        EXPECT_TRUE(form->window().enabled());
    }
    EXPECT_EQ(dump(), before);
}

TEST(NameRule, AnyVisibleCharacterMakesAName) {
    for (const std::string name :
         {"Li", "\u674e", "\u3000Li\u3000", "Zo\u200b\u00eb", "D'Angelo", "H\u1ed3"}) {
        EXPECT_FALSE(unusableName(name)) << name;
    }
    // A broken byte is drawn as a replacement mark, so it is not a blank.
    EXPECT_FALSE(unusableName("\xff"));
}

TEST_F(NewCareerTest, BackButtonOnlyClosesTheScreen) {
    openWorld();
    const std::string before = dump();
    c("Picture1").visible = true;
    click("Label3", 1);
    EXPECT_FALSE(c("Picture1").visible);
    EXPECT_EQ(dump(), before);
}

// Apostrophes, accents and very long names go into statements between quotes: each must be stored
// and found again exactly, by the world's week as by the career's own values.
TEST_F(NewCareerTest, KeepsNamesWithApostrophesAccentsAndTwoHundredLetters) {
    load();
    std::string longSurname = "D'Àlembert-Ñúñez ";
    while (longSurname.size() < 200)
        longSurname += "x'é";
    longSurname.resize(200);
    const std::string first = "Zoë O'Neil";
    createCareer(first, longSurname);
    ASSERT_TRUE(platform.takeMessages().empty());
    EXPECT_EQ(form->temp().text("tuocognome"), longSurname);
    EXPECT_EQ(form->temp().text("tuonome"), first);
    Rows human = form->db().query("SELECT * FROM giocatori where cognome='" + fApici(longSurname) +
                                  "'and nome= '" + fApici(first) + "'");
    ASSERT_EQ(human.rowCount(), 1);
    EXPECT_EQ(human.at(0, 0).str(), longSurname);
    EXPECT_EQ(human.at(6, 0).toInt(), 0);

    // Played results for him are written under his name and added to his row.
    loadCareer();
    Rows week = form->db().query("SELECT * FROM calendario where settimana=1 order by importanza asc ");
    form->enteredEvent = week.at(0, 0).str();
    clearEntrantTable(form->roundPlayers);
    form->roundPlayers[0][0] = Value(longSurname);
    form->roundPlayers[0][1] = Value(first);
    form->roundPlayers[0][9] = Value(1);
    Transaction transaction(form->db());
    form->weekSimulation().run();
    transaction.commit();
    Rows result = form->db().query("SELECT * FROM tornei where cognome='" + fApici(longSurname) +
                                   "'and nome='" + fApici(first) + "'");
    ASSERT_EQ(result.rowCount(), 1);
    EXPECT_EQ(result.at(5, 0).toInt(), 1);
    human = form->db().query("SELECT totalepunti FROM giocatori where uno=0");
    EXPECT_EQ(human.at(0, 0).toInt(), result.at(6, 0).toInt());
    EXPECT_GT(human.at(0, 0).toInt(), 0);
}

// Five nations of twenty surnames and twenty first names make exactly 2000 names: the world then
// takes every one but the human's. The store finds names without regard to letter case, so his name
// in other letters must not be taken either; and with every nation far above 30 players, the rare
// roll must still let the world fill up instead of drawing for ever.
TEST_F(NewCareerTest, ASmallWorldTakesEveryNameButTheHumansInAnyCase) {
    load();
    form->db().execute(
        "DELETE FROM nazioni WHERE nazione NOT IN ('Italia','Francia','Germania','Cina','Giappone')");
    // A surname and a first name from the middle of the German pools, which the draw reaches often.
    createCareer("KATHARINA", "hoffmann", "Germania");
    ASSERT_TRUE(platform.takeMessages().empty());
    EXPECT_EQ(
        form->db().query("SELECT * FROM giocatori where cognome='Hoffmann'and nome='Katharina'").rowCount(),
        1);
    EXPECT_EQ(form->db().query("SELECT * FROM giocatori where uno=0").at(0, 0).str(), "hoffmann");
    EXPECT_EQ(form->db().query("SELECT * FROM giocatori").rowCount(), 2000);
    Rows nations = form->db().query("SELECT nazione, COUNT(*) FROM giocatori GROUP BY nazione");
    ASSERT_EQ(nations.rowCount(), 5);
    for (int r = 0; r <= nations.last(); ++r)
        EXPECT_EQ(nations.at(1, r).toInt(), 400) << nations.at(0, r).str();
    expectPointsMatchResults();
}

// His own row keeps the age he chose, so his player card shows it; every row still draws an age,
// so the world made after it is the very one another age would have made.
TEST_F(NewCareerTest, HisRowKeepsTheAgeHeChoseAndTheWorldIsTheSameForAnyAge) {
    const std::string other = std::filesystem::path(worldFile()).parent_path().string();
    const std::string players = "SELECT cognome, nome, eta, uno, hearts, brisolo, totalepunti FROM giocatori "
                                "where not uno=0 order by cognome, nome";
    const Rows world = Database(Database::connectionString(other)).query(players); // chosen age 30
    load();
    // 90 lies outside the drawn ages (18..68): only his choice can have put it there.
    c("Picture1").visible = true;
    ASSERT_TRUE(form->window().choose("Combo1", 0, "90"));
    createCareer("Mario", "Rossi");
    ASSERT_TRUE(platform.takeMessages().empty());
    EXPECT_EQ(form->temp().number("tuaeta"), 90);
    const Rows human = form->db().query("SELECT eta FROM giocatori where uno=0");
    ASSERT_EQ(human.rowCount(), 1);
    EXPECT_EQ(human.at(0, 0).toInt(), 90);
    // His row's draw still comes first: the players after him are those the game drew when his
    // row held a random age (recorded then).
    const Rows first = form->db().query("SELECT cognome, eta FROM giocatori order by rowid limit 6");
    const std::pair<std::string, int> drawn[] = {{"Rossi", 90},    {"Van Damme", 32}, {"Kuman", 33},
                                                 {"Mekonnen", 59}, {"Tanoh", 37},     {"Álvarez", 29}};
    ASSERT_EQ(first.rowCount(), 6);
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(first.at(0, r).str(), drawn[r].first);
        EXPECT_EQ(first.at(1, r).toInt(), drawn[r].second) << drawn[r].first;
    }
    const Rows mine = form->db().query(players);
    ASSERT_EQ(mine.rowCount(), world.rowCount());
    for (int r = 0; r <= mine.last(); ++r) {
        for (int col = 0; col < 7; ++col)
            ASSERT_EQ(mine.at(col, r).str(), world.at(col, r).str()) << "row " << r << " column " << col;
    }
}

// Pools that cannot make 1999 different names would keep the draw going for ever: the career is
// refused with a message and the old world stays.
TEST_F(NewCareerTest, PoolsTooSmallForAWorldAreRefused) {
    openWorld();
    form->db().execute("DELETE FROM nazioni WHERE nazione NOT IN ('Italia','Francia')");
    const std::string before = dump();
    createCareer("Mario", "Verdi");
    const std::vector<std::string> messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("nomi"), std::string::npos) << messages[0];
    EXPECT_EQ(dump(), before);
    EXPECT_TRUE(form->window().enabled());
    EXPECT_TRUE(c("Picture1").visible);
    EXPECT_FALSE(c("Label4").visible);
}

} // namespace
} // namespace velmora::test
