// The career's history is written with the week it tells of: a career begun before the history
// existed keeps playing and starts its story at its next week, a week that fails leaves no row, and
// the season's review counts what the history kept.

#include "CareerWorld.h"

#include "career/EventEntry.h"
#include "career/SeasonReview.h"
#include "data/Database.h"
#include "state/HistoryColumns.h"

#include <string>
#include <vector>

namespace velmora::test {
namespace {

class CareerHistoryTest : public CareerTest {
  protected:
    void SetUp() override { openWorld(); }

    long historyWeeks() {
        return static_cast<long>(form->db().query("SELECT count(*) FROM storico_settimane").at(0, 0).toInt());
    }
};

TEST_F(CareerHistoryTest, ACareerMadeBeforeTheHistoryPlaysOnAndTellsItsStoryFromThen) {
    // Two weeks lived, then the history taken away: the career as an older game left it.
    click("Label1", 1);
    click("Label1", 4);
    click("Label8");
    click("Label8");
    ASSERT_EQ(historyWeeks(), 2);
    form->db().execute("DROP TABLE storico_settimane");
    form->db().execute("DROP TABLE storico_tornei");
    form->db().execute("DELETE FROM temp WHERE dato='stagione'");
    const std::string before = dump();

    // The game opened again on it, as a player starting it the next day.
    form = std::make_unique<Form1>(platform);
    load();
    ASSERT_EQ(platform.takeMessages(), std::vector<std::string>{});
    click("Label1", 1);
    click("Label1", 4);
    // His two weeks left backups, so "Carica" lists the lone career (for a restore); its line opens it.
    ASSERT_TRUE(c("Picture10").visible);
    click("Label59", 0);
    ASSERT_TRUE(c("Picture2").visible);
    EXPECT_EQ(c("Label1", 14).text, "Prossimi Eventi Settimana 3");
    EXPECT_EQ(historyWeeks(), 0);
    EXPECT_EQ(form->temp().number("stagione"), 1);
    // Opening only adds the empty history: the world and its results are as they were.
    const auto section = [](const std::string& text, const std::string& table) {
        const size_t at = text.find("[" + table + "]");
        return at == std::string::npos ? std::string() : text.substr(at, text.find("\n[", at) - at);
    };
    const std::string after = dump();
    for (const char* table : {"giocatori", "tornei", "calendario"})
        EXPECT_TRUE(section(after, table) == section(before, table)) << table << " changed on opening";
    EXPECT_FALSE(section(after, "giocatori").empty());

    click("Label8");
    ASSERT_EQ(platform.takeMessages(), std::vector<std::string>{});
    const Rows weeks = form->db().query("SELECT * FROM storico_settimane");
    ASSERT_EQ(weeks.rowCount(), 1);
    EXPECT_EQ(weeks.at(storico_settimane::kSeason, 0).toInt(), 1);
    EXPECT_EQ(weeks.at(storico_settimane::kWeek, 0).toInt(), 3);
    EXPECT_EQ(weeks.at(storico_settimane::kMoney, 0).toInt(), 20000);

    click("Label1", 18);
    EXPECT_TRUE(c("Picture9").visible);
    EXPECT_EQ(c("Label64", 1).text, "Mario Rossi  -  1 stagione, 1 settimana, 0 tornei giocati");
    for (const ChartSeries& line : c("Chart1").chart.series) {
        ASSERT_EQ(line.points.size(), 1u) << line.name;
        EXPECT_EQ(line.points[0].first, 3) << line.name;
    }
    EXPECT_EQ(c("Chart1").chart.series[0].points[0].second, weeks.at(storico_settimane::place(0, 0), 0).num());
}

TEST_F(CareerHistoryTest, AnOlderHistoryGainsTheNewColumnsAndTablesAndItsLastWeekIsToldAgainOnOpening) {
    click("Label1", 1);
    click("Label1", 4);
    click("Label8");
    click("Label8");
    // The history as the game kept it before the week's report and the rivals: fewer columns, two
    // tables.
    const char* older[][2] = {
        {"storico_settimane", "stagione, settimana, denaro, generale_mondo, generale_continente, generale_nazione, "
                              "uno_mondo, uno_continente, uno_nazione, hearts_mondo, hearts_continente, "
                              "hearts_nazione, brisolo_mondo, brisolo_continente, brisolo_nazione, unopunti, "
                              "heartspunti, brisolopunti, totalepunti"},
        {"storico_tornei", "stagione, settimana, torneo, gioco, categoria, giocatori, posizione, premio, punti"}};
    for (const auto& [table, columns] : older) {
        form->db().execute(std::string("CREATE TABLE vecchia AS SELECT ") + columns + " FROM " + table);
        form->db().execute(std::string("DROP TABLE ") + table);
        form->db().execute(std::string("ALTER TABLE vecchia RENAME TO ") + table);
    }
    form->db().execute("DROP TABLE storico_tavoli");
    form->db().execute("DROP TABLE storico_campioni");

    form = std::make_unique<Form1>(platform);
    load();
    click("Label1", 1);
    click("Label1", 4);
    click("Label59", 0);
    ASSERT_EQ(platform.takeMessages(), std::vector<std::string>{});
    // "Carica" tells the last week lived again, from what the older history holds.
    EXPECT_TRUE(c("Picture11").visible);
    EXPECT_EQ(c("Label66", 0).text, "Resoconto della settimana 2 (stagione 1)");
    click("Label8");
    ASSERT_EQ(platform.takeMessages(), std::vector<std::string>{});
    const Rows weeks = form->db().query("SELECT * FROM storico_settimane");
    ASSERT_EQ(weeks.rowCount(), 3);
    EXPECT_EQ(weeks.columnCount(), storico_settimane::kWorldPlaceBefore + 1);
    EXPECT_EQ(weeks.at(storico_settimane::kWeek, 2).toInt(), 3);
    EXPECT_EQ(weeks.at(storico_settimane::kWorldPlaceBefore, 2).toInt(),
              weeks.at(storico_settimane::place(0, 0), 1).toInt());
    EXPECT_EQ(form->db().query("SELECT * FROM storico_tornei").columnCount(), storico_tornei::kPlaceBefore + 1);
    EXPECT_EQ(form->db().query("SELECT count(*) FROM storico_tavoli").at(0, 0).toInt(), 0);
}

TEST_F(CareerHistoryTest, AWeekThatFailsAtItsLastStatementLeavesNoHistory) {
    // The week's statements, found as the fewest that let the week through. Every try draws the
    // same random numbers, so every try runs the same statements.
    const auto draws = form->random().state();
    long low = 0, high = 5000;
    while (low < high) {
        const long middle = (low + high) / 2;
        const std::string start = dump();
        form->random().setState(draws);
        form->db().failAfter(middle);
        const bool done = form->window().dispatch([this] { form->eventEntry().Label8_Click(); });
        form->db().failAfter(-1);
        platform.takeMessages();
        if (done) {
            high = middle;
            // Back to the week before, for the next try.
            form->cnox.reset();
            openWorld();
        } else {
            ASSERT_EQ(dump(), start) << "a failure at statement " << middle << " changed the store";
            low = middle + 1;
        }
    }
    const std::string before = dump();
    ASSERT_GT(low, 10);
    // The last statement is the week's report, read inside the week's change: failing there takes
    // the whole week back, its history rows with it.
    form->random().setState(draws);
    form->db().failAfter(low - 1);
    EXPECT_FALSE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
    form->db().failAfter(-1);
    EXPECT_EQ(platform.takeMessages().size(), 1u);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(historyWeeks(), 0);
    EXPECT_EQ(form->currentWeek, 1);

    form->random().setState(draws);
    EXPECT_TRUE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
    EXPECT_EQ(historyWeeks(), 1);
}

// A shared third is a final reached; a season runs from its first week to its last whatever order
// their rows were written in; the season before stands in brackets.
TEST_F(CareerHistoryTest, TheSeasonsReviewCountsFinalsByTheSharedThirdAndReadsItsFirstAndLastWeek) {
    for (const char* row : {"1, 1, 1000, 1500", "1, 52, 4000, 900", "2, 30, 6000, 412", "2, 1, 4100, 880"})
        form->db().execute(std::string("INSERT INTO storico_settimane (stagione, settimana, denaro, generale_mondo) "
                                       "VALUES (") + row + ")");
    for (const char* row : {"1, 'Uno', 1", "1, 'Uno', 3", "1, 'Hearts', 17", "1, 'Brisolo', 2", "2, 'Uno', 3",
                            "2, 'Hearts', 17"})
        form->db().execute(std::string("INSERT INTO storico_tornei (stagione, gioco, posizione) VALUES (") + row + ")");
    SeasonReview review(*form);
    ASSERT_TRUE(review.show(2));
    // Played, won, finals reached.
    EXPECT_EQ(c("Label67", 2).text, "Uno\n1 (2)\n0 (1)\n1 (2)");
    EXPECT_EQ(c("Label67", 3).text, "Hearts\n1 (1)\n0 (0)\n0 (0)");
    EXPECT_EQ(c("Label67", 4).text, "Brisolo\n0 (1)\n0 (0)\n0 (1)");
    EXPECT_EQ(c("Label67", 5).text, "Totale\n2 (4)\n0 (1)\n1 (3)");
    const std::string& lines = c("Label67", 6).text;
    EXPECT_EQ(lines.substr(0, lines.find("\nMiglior")),
              "Denaro: inizio €4100, fine €6000 (€1000, €4000)\nPosto mondiale: inizio 880°, fine 412° (1500°, 900°)");
    EXPECT_FALSE(review.show(3)) << "a season without weeks has no review";
}

} // namespace
} // namespace velmora::test
