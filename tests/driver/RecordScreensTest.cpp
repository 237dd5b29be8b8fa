// The three record screens through velmora-driver after a new career, as a player would visit them
// from the dashboard's menu: rankings, calendar with results, player card, then back home.

#include "CareerQueries.h"
#include "DriverProcess.h"

#include "support/AppFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

std::vector<std::string> items(DriverProcess& driver, const std::string& combo) {
    std::vector<std::string> out;
    const std::string joined = driver.property(combo, "items");
    size_t start = 0;
    for (size_t at = joined.find('|'); at != std::string::npos; at = joined.find('|', start)) {
        out.push_back(joined.substr(start, at - start));
        start = at + 1;
    }
    out.push_back(joined.substr(start));
    return out;
}

TEST(RecordScreensTest, RankingsCalendarAndPlayerCardAfterANewCareer) {
    AppFolder folder;
    DriverProcess driver{VELMORA_DRIVER, folder.path()};
    driver.run("load");
    ASSERT_TRUE(makeCareer(driver, "Mario", "D'Angelo", "Italia"));
    ASSERT_EQ(driver.messages(), std::vector<std::string>{});
    const auto resultsBefore = driver.query("SELECT count(*), sum(punti) FROM tornei");

    // Rankings: the world by overall points, where the world place is the line's own place; in a
    // nation's list the nation place is.
    driver.click("Label1", 6);
    ASSERT_EQ(driver.messages(), std::vector<std::string>{});
    EXPECT_TRUE(driver.visible("Picture3"));
    const auto pages = items(driver, "Combo5");
    ASSERT_EQ(pages.size(), 80u);
    EXPECT_EQ(pages.back(), "1976-2000");
    EXPECT_EQ(valueLines(driver.caption("Label10")).size(), 25u);
    EXPECT_EQ(valueLines(driver.caption("Label17")), valueLines(driver.caption("Label10")));
    driver.run("shot " + folder.path() + "/rankings.png");
    driver.run("choose Combo3 Nazionale");
    driver.run("choose Combo4 Italia");
    EXPECT_EQ(valueLines(driver.caption("Label19")), valueLines(driver.caption("Label10")));

    // Calendar: this week's events, the first one's standings from last season.
    driver.click("Label1", 5);
    EXPECT_TRUE(driver.visible("Picture4"));
    EXPECT_FALSE(driver.visible("Picture3"));
    EXPECT_EQ(driver.property("Combo6", "text"), "1");
    EXPECT_FALSE(valueLines(driver.caption("Label24")).empty());
    EXPECT_EQ(valueLines(driver.caption("Label33")).size(), 16u);
    EXPECT_EQ(valueLines(driver.caption("Label32")).front(), "1");
    driver.run("shot " + folder.path() + "/calendar.png");

    // Player card: find the career's own player, then a player with a history.
    driver.click("Label1", 17);
    EXPECT_TRUE(driver.visible("Picture8"));
    EXPECT_EQ(items(driver, "Combo9").size(), 2000u);
    driver.run("type Text2 d'angelo m");
    driver.click("Image18");
    EXPECT_EQ(driver.caption("Label53", 0), "D'Angelo Mario");
    const auto leader =
        driver.query("SELECT cognome, nome FROM giocatori ORDER BY totalepunti DESC, cognome LIMIT 1");
    driver.run("type Text2 " + leader[0][0] + " " + leader[0][1]);
    driver.click("Image18");
    EXPECT_EQ(driver.caption("Label53", 0), leader[0][0] + " " + leader[0][1]);
    EXPECT_EQ(valueLines(driver.caption("Label53", 14))[1], "1");
    EXPECT_FALSE(valueLines(driver.caption("Label53", 3)).empty());
    // A screen reader reads the card's boards as tables, a row a line across the columns.
    const auto history = driver.run("get Label53 6 accessible");
    ASSERT_GE(history.size(), 3u);
    EXPECT_EQ(history[1], "columns\tSettimana\tPos\tTorneo\tPunti");
    EXPECT_EQ(history[2], "row\t" + valueLines(driver.caption("Label53", 3))[0] + "\t" +
                              valueLines(driver.caption("Label53", 4))[0] + "\t" +
                              valueLines(driver.caption("Label53", 5))[0] + "\t" +
                              valueLines(driver.caption("Label53", 7))[0]);
    EXPECT_EQ(driver.run("get Label53 23 accessible").at(2).rfind("row\t1\t", 0), 0u);
    driver.run("shot " + folder.path() + "/players.png");
    EXPECT_EQ(driver.messages(), std::vector<std::string>{});

    // Home closes them all; the store is as the new career left it.
    driver.click("Label1", 16);
    EXPECT_TRUE(driver.visible("Picture2"));
    EXPECT_FALSE(driver.visible("Picture3"));
    EXPECT_FALSE(driver.visible("Picture4"));
    EXPECT_FALSE(driver.visible("Picture8"));
    EXPECT_EQ(driver.query("SELECT count(*), sum(punti) FROM tornei"), resultsBefore);
    for (const char* shot : {"rankings.png", "calendar.png", "players.png"})
        EXPECT_GT(std::filesystem::file_size(folder.path() + "/" + shot), 20000u) << shot;
}

// The player screen's search finds a name whatever the letter case the player types it in, in
// every alphabet of the name pools, and the skill rows are captioned with the games' own names.
TEST(RecordScreensTest, ThePlayerSearchFoldsTheLetterCaseOfEveryAlphabet) {
    AppFolder folder;
    DriverProcess driver{VELMORA_DRIVER, folder.path()};
    driver.run("load");
    makeCareer(driver, "Mario", "Rossi");
    ASSERT_EQ(driver.messages(), std::vector<std::string>{});
    driver.click("Label1", 17);
    EXPECT_EQ(driver.caption("Label53", 10), "Hearts");
    EXPECT_EQ(driver.caption("Label53", 12), "Brisolo");

    struct Case {
        const char* typed;
        const char* surname; // as the world stores it
    };
    const Case cases[] = {
        {"đinh", "Đinh"},           {"şimşek", "Şimşek"},   {"ZIELIŃSKI", "Zieliński"},
        {"ŞİMŞEK", "Şimşek"},       {"zieliński", "Zieliński"}, {"NGUYỄN", "Nguyễn"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> expected;
        for (const auto& row : driver.query("SELECT cognome, nome FROM giocatori WHERE cognome='" +
                                            sqlText(c.surname) + "'"))
            expected.push_back(row[0] + " " + row[1]);
        ASSERT_FALSE(expected.empty()) << "the world has no " << c.surname;
        std::sort(expected.begin(), expected.end());
        driver.run(std::string("type Text2 ") + c.typed);
        driver.click("Image18");
        std::vector<std::string> found = items(driver, "Combo9");
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(driver.caption("Label53", 0), found.front()) << c.typed;
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << c.typed;
    }
    EXPECT_EQ(driver.messages(), std::vector<std::string>{});
}

} // namespace
} // namespace velmora::test
