// The season's review counts what the career's history kept: a shared third place is a final
// reached, the season's start and end are its first and last weeks whatever order they were
// written in, and the season before stands in brackets beside each figure.

#include "CareerWorld.h"

#include "career/SeasonReview.h"
#include "data/Database.h"

#include <string>

namespace velmora::test {
namespace {

class SeasonReviewTest : public CareerTest {
  protected:
    void SetUp() override { openWorld(); }

    void week(int season, int week, long money, int worldPlace) {
        form->db().execute("INSERT INTO storico_settimane (stagione, settimana, denaro, generale_mondo) VALUES (" +
                           std::to_string(season) + ", " + std::to_string(week) + ", " + std::to_string(money) +
                           ", " + std::to_string(worldPlace) + ")");
    }
    void tournament(int season, const std::string& game, int place) {
        form->db().execute("INSERT INTO storico_tornei (stagione, settimana, torneo, gioco, posizione) VALUES (" +
                           std::to_string(season) + ", 10, 'Open di " + game + std::to_string(place) + "', '" +
                           game + "', " + std::to_string(place) + ")");
    }
};

TEST_F(SeasonReviewTest, CountsFinalsByTheSharedThirdAndReadsTheSeasonFromItsFirstToItsLastWeek) {
    week(1, 1, 1000, 1500);
    week(1, 52, 4000, 900);
    week(2, 30, 6000, 412); // written before the season's first week: the order of the rows is not the season's
    week(2, 1, 4100, 880);
    for (const auto& [game, place] : {std::pair{"Uno", 1}, {"Uno", 3}, {"Hearts", 17}, {"Brisolo", 2}})
        tournament(1, game, place);
    for (const auto& [game, place] : {std::pair{"Uno", 3}, {"Hearts", 17}})
        tournament(2, game, place);

    SeasonReview review(*form);
    ASSERT_TRUE(review.show(2));
    EXPECT_TRUE(c("Picture12").visible);
    // Played, won, finals reached; the season before in brackets.
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
