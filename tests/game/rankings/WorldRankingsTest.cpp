// The world rankings: selectors, pages, lines with flags and stripes, the three places of every
// listed player counted independently, and the game marker.

#include "rankings/WorldRankings.h"
#include "game/rankings/RecordsFixture.h"

namespace velmora::test {
namespace {

const char kHeader[] =
    " Naz    Pos Giocatore                                                    Totale           "
    "  Uno         Hearts      Brisolo       Tot Mondo    Tot Contin    Tot Nazion";

class WorldRankingsTest : public RecordsTest {
  protected:
    // Checks every listed line against the store: ordered by the ranking's points, and the three
    // places by overall points, counted over all players.
    void expectListedLines(int ranking, const std::string& scopeColumn, const std::string& place) {
        const auto all = players();
        const auto names = lines(c("Label11").text);
        const auto positions = lines(c("Label10").text);
        const auto world = lines(c("Label17").text);
        const auto continent = lines(c("Label18").text);
        const auto nation = lines(c("Label19").text);
        const char* pointColumns[] = {"Label12", "Label14", "Label15", "Label16"};
        const auto points = lines(c(pointColumns[ranking]).text);
        ASSERT_FALSE(names.empty());
        ASSERT_EQ(world.size(), names.size());
        auto inScope = [&](const Player& q) {
            return scopeColumn.empty() || (scopeColumn == "nazione" ? q.nation : q.continent) == place;
        };
        for (size_t k = 0; k < names.size(); ++k) {
            const Player& p = find(all, names[k]);
            EXPECT_EQ(positions[k], std::to_string(placeOf(all, p, ranking, inScope))) << names[k];
            EXPECT_EQ(points[k], std::to_string(p.points[ranking])) << names[k];
            EXPECT_EQ(world[k], std::to_string(placeOf(all, p, 0, [](const Player&) { return true; })));
            EXPECT_EQ(continent[k], std::to_string(placeOf(all, p, 0, [&](const Player& q) {
                          return q.continent == p.continent;
                      })));
            EXPECT_EQ(nation[k], std::to_string(placeOf(
                                     all, p, 0, [&](const Player& q) { return q.nation == p.nation; })));
        }
    }
    // The marker stands over a column: the same figures on the same lines, on a band that reaches
    // past the column's right edge so the figures do not touch its border.
    void expectMarkerOver(const char* column) {
        std::string figures = c("Label22").text;
        for (size_t at = figures.find("\xE2\x80\x88"); at != std::string::npos; at = figures.find("\xE2\x80\x88"))
            figures.erase(at, 3);
        EXPECT_EQ(figures, c(column).text);
        EXPECT_EQ(c("Label22").left, c(column).left);
        EXPECT_GT(c("Label22").left + c("Label22").width, c(column).left + c(column).width);
    }
    int shownFlags() {
        int shown = 0;
        for (int k = 0; k < 25; ++k)
            shown += c("Image6", k).visible ? 1 : 0;
        return shown;
    }
};

TEST_F(WorldRankingsTest, OpensOnTheWholeWorldByOverallPoints) {
    open();
    clickOk("Label1", 6);
    EXPECT_TRUE(c("Picture3").visible);
    EXPECT_FALSE(c("Picture4").visible);
    EXPECT_EQ(c("Label13").text, kHeader);
    EXPECT_EQ(c("Combo2").text, "Generale");
    EXPECT_EQ(c("Combo3").text, "Mondo");
    EXPECT_FALSE(c("Combo4").visible);
    const auto& pages = c("Combo5").items;
    ASSERT_EQ(pages.size(), 80u);
    EXPECT_EQ(pages.front(), "1-25");
    EXPECT_EQ(pages[78], "1951-1975");
    EXPECT_EQ(pages.back(), "1976-2000");
    EXPECT_EQ(c("Combo5").text, "1-25");
    EXPECT_EQ(shownFlags(), 25);
    for (int k = 0; k < 25; ++k)
        EXPECT_EQ(c("Label23", k).visible, k % 2 == 0) << k;
    expectListedLines(0, "", "");
    // The marker repeats the overall column over it.
    expectMarkerOver("Label12");
    EXPECT_TRUE(form->window().enabled());

    // The last page shows rows 1975..1999.
    chooseOk("Combo5", "1976-2000");
    EXPECT_EQ(lines(c("Label10").text).front(), "1976");
    EXPECT_EQ(lines(c("Label10").text).back(), "2000");
    expectListedLines(0, "", "");
}

TEST_F(WorldRankingsTest, GameOrdersTheListButPlacesStayOverall) {
    open();
    clickOk("Label1", 6);
    chooseOk("Combo3", "Nazionale");
    EXPECT_TRUE(c("Combo4").visible);
    ASSERT_FALSE(c("Combo4").items.empty());
    EXPECT_TRUE(std::is_sorted(
        c("Combo4").items.begin(), c("Combo4").items.end(),
        [](const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) < 0; }));
    chooseOk("Combo4", "Italia");
    chooseOk("Combo2", "Hearts");
    expectListedLines(2, "nazione", "Italia");
    expectMarkerOver("Label15");

    chooseOk("Combo3", "Continentale");
    EXPECT_EQ(c("Combo4").text, c("Combo4").items.front());
    chooseOk("Combo4", "Europa");
    for (const char* game : {"Uno", "Brisolo", "Generale"}) {
        chooseOk("Combo2", game);
        const int ranking = std::string(game) == "Uno" ? 1 : std::string(game) == "Brisolo" ? 3 : 0;
        expectListedLines(ranking, "continente", "Europa");
    }
    chooseOk("Combo3", "Mondo");
    EXPECT_FALSE(c("Combo4").visible);
    EXPECT_EQ(c("Combo5").items.size(), 80u);
}

TEST_F(WorldRankingsTest, ANationOfOneOverAFullPageEndsOnAPageOfOneLine) {
    open();
    // Exactly 26 Italians: the 26th has a page of his own.
    form->db().execute("UPDATE giocatori SET nazione='Francia' WHERE nazione='Italia'");
    form->db().execute("UPDATE giocatori SET nazione='Italia' WHERE rowid IN "
                       "(SELECT rowid FROM giocatori ORDER BY rowid LIMIT 26)");
    clickOk("Label1", 6);
    chooseOk("Combo3", "Nazionale");
    chooseOk("Combo4", "Italia");
    EXPECT_EQ(c("Combo5").items, (std::vector<std::string>{"1-25", "26-26"}));
    EXPECT_EQ(shownFlags(), 25);
    chooseOk("Combo5", "26-26");
    EXPECT_EQ(lines(c("Label10").text), std::vector<std::string>{"26"});
    EXPECT_EQ(shownFlags(), 1);
    expectListedLines(0, "nazione", "Italia");

    // A nation of ten: one page, ten lines.
    form->db().execute("UPDATE giocatori SET nazione='Spagna' WHERE rowid IN "
                       "(SELECT rowid FROM giocatori WHERE nazione='Italia' ORDER BY rowid LIMIT 16)");
    chooseOk("Combo4", "Italia");
    EXPECT_EQ(c("Combo5").items, std::vector<std::string>{"1-10"});
    EXPECT_EQ(lines(c("Label11").text).size(), 10u);
    EXPECT_EQ(shownFlags(), 10);
}

TEST_F(WorldRankingsTest, SelectorsWaitUntilTheWindowIsReady) {
    open();
    clickOk("Label1", 6);
    const std::string before = c("Label11").text;
    form->weekComboReady = 0;
    ASSERT_TRUE(form->window().choose("Combo5", -1, "26-50"));
    EXPECT_EQ(c("Label11").text, before);
}

} // namespace
} // namespace velmora::test
