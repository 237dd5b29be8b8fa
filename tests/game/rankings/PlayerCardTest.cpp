// The player card: list and search, the twelve places counted independently, the thirty-line
// excerpt with its frame, and the history in two passes filtered by game.

#include "rankings/PlayerCard.h"
#include "game/rankings/RecordsFixture.h"

namespace velmora::test {
namespace {

class PlayerCardTest : public RecordsTest {
  protected:
    void addResult(const std::string& event, const std::string& game, int week, int place = 3,
                   int points = 10) {
        form->db().insert("tornei", {{"torneo", event},
                                     {"tipo", game},
                                     {"cognome", "Rossi"},
                                     {"nome", "Mario"},
                                     {"nazionalita", "it"},
                                     {"posizione", place},
                                     {"punti", points},
                                     {"premio", 100},
                                     {"settimana", week}});
    }
    // The name of the player at a 1-based place of a ranking (0 overall .. 3 Brisolo).
    std::string playerAt(int ranking, int place) {
        const auto all = players();
        for (const Player& p : all) {
            if (placeOf(all, p, ranking, [](const Player&) { return true; }) == place)
                return p.surname + " " + p.firstName;
        }
        return "";
    }
};

TEST_F(PlayerCardTest, CardShowsIdentitySkillsAndTheTwelvePlaces) {
    open();
    clickOk("Label1", 17);
    EXPECT_TRUE(c("Picture8").visible);
    ASSERT_EQ(c("Combo9").items.size(), 2000u);
    // The screen opens on his own card.
    EXPECT_EQ(c("Combo9").text, form->temp().text("tuocognome") + " " + form->temp().text("tuonome"));
    EXPECT_EQ(c("Label53", 17).text, std::string(59, ' ') + "Pos     Punti");
    EXPECT_EQ(c("Label53", 23).text, "Naz        Pos      Punti       Giocatore");

    const auto all = players();
    const std::string name = "Cognome777 Nome1"; // 777 % 97 = 1
    chooseOk("Combo9", name);
    const Player& p = find(all, name);
    Rows row = form->db().query(
        "SELECT eta, uno, hearts, brisolo, nazionalita FROM giocatori WHERE cognome='Cognome777'");
    EXPECT_EQ(c("Label53", 0).text, name);
    EXPECT_EQ(c("Label53", 1).text,
              p.nation + " - " + p.continent + "       Eta': " + row.at(0, 0).str() + "   -   Uno ");
    EXPECT_EQ(c("Label53", 9).text, std::string(static_cast<size_t>(row.at(1, 0).num()), 'l'));
    EXPECT_EQ(c("Label53", 11).text, std::string(static_cast<size_t>(row.at(2, 0).num()), 'l'));
    EXPECT_EQ(c("Label53", 13).text, std::string(static_cast<size_t>(row.at(3, 0).num()), 'l'));
    EXPECT_EQ(c("Image19").picture, "\\immagini\\flags\\" + row.at(4, 0).str() + ".jpg");

    std::string captions, places = "\n", points = "\n";
    const char* rankings[] = {"Generale", "Uno", "Hearts", "Brisolo"};
    for (int r = 0; r < 4; ++r) {
        captions += std::string(rankings[r]) + "\nMondo\n" + p.continent + "\n" + p.nation + "\n\n";
        places +=
            std::to_string(placeOf(all, p, r, [](const Player&) { return true; })) + "\n" +
            std::to_string(placeOf(all, p, r, [&](const Player& q) { return q.continent == p.continent; })) +
            "\n" + std::to_string(placeOf(all, p, r, [&](const Player& q) { return q.nation == p.nation; })) +
            "\n\n\n";
        points += std::to_string(p.points[r]) + "\n\n\n\n\n";
    }
    EXPECT_EQ(c("Label53", 15).text, captions);
    EXPECT_EQ(c("Label53", 14).text, places);
    EXPECT_EQ(c("Label53", 16).text, points);
    EXPECT_EQ(c("Combo11").text, "Generale");
    EXPECT_EQ(c("Combo10").text, "Tutti");
}

TEST_F(PlayerCardTest, ExcerptFramesThePlayerNearTheTopTheMiddleAndTheEnd) {
    open();
    clickOk("Label1", 17);
    struct Case {
        int place;
        std::string first, last;
        int frameLine;
    } cases[] = {{1, "1", "30", 0},
                 {7, "1", "30", 6},
                 {500, "485", "514", 15},
                 {1990, "1971", "2000", 19},
                 {2000, "1971", "2000", 29}};
    for (const Case& k : cases) {
        for (int ranking : {0, 2}) {
            chooseOk("Combo9", playerAt(ranking, k.place));
            if (ranking == 2) chooseOk("Combo11", "Hearts");
            const auto positions = lines(c("Label53", 20).text);
            ASSERT_EQ(positions.size(), 30u);
            EXPECT_EQ(positions.front(), k.first) << k.place;
            EXPECT_EQ(positions.back(), k.last) << k.place;
            EXPECT_EQ(lines(c("Label53", 22).text)[static_cast<size_t>(k.frameLine)], c("Label53", 0).text);
            EXPECT_EQ(c("Shape6").top, 4680 + 225 * k.frameLine) << k.place;
            EXPECT_TRUE(c("Image21", 29).visible);
        }
    }
    // The leader of a nation shows 1 on his nation line even far down the world.
    const auto all = players();
    for (const Player& p : all) {
        if (p.nation == "Italia" &&
            placeOf(all, p, 0, [&](const Player& q) { return q.nation == "Italia"; }) == 1) {
            chooseOk("Combo9", p.surname + " " + p.firstName);
            EXPECT_EQ(lines(c("Label53", 14).text)[3], "1");
        }
    }
}

TEST_F(PlayerCardTest, HistoryListsThisSeasonFirstThenLastSeasonsLaterWeeks) {
    open({.week = 10});
    addResult("Open d'Australia", "Uno", 4);                    // host au, name with an apostrophe
    addResult("Campionato Nazionale di Brisolo", "Brisolo", 6); // held in the player's nation
    addResult("Campionato Continentale di Uno", "Uno", 8);      // continental: no flag
    addResult("Masters di Parigi", "Hearts", 40);
    addResult("Masters di Las Vegas", "Hearts", 12);
    addResult("Coppa di Marsiglia", "Brisolo", 2);
    clickOk("Label1", 17);
    chooseOk("Combo9", "Rossi Mario");
    EXPECT_EQ(c("Label53", 2).text, "Ultimi Tornei Giocati");
    EXPECT_EQ(c("Label53", 6).text, "  Set  Pos  Naz  Torneo" + std::string(72, ' ') + "Importanza" +
                                        std::string(20, ' ') + "Punti");
    EXPECT_EQ(c("Label53", PlayerCard::kHistoryWeeks).text, "8\n6\n4\n2\n40\n12\n");
    EXPECT_EQ(lines(c("Label53", PlayerCard::kHistoryNames).text)[2], "Open d'Australia");
    EXPECT_EQ(lines(c("Label53", PlayerCard::kHistoryImportance).text)[2], "<<<<");
    EXPECT_FALSE(c("Image20", 0).visible);
    EXPECT_EQ(c("Image20", 1).picture, "\\immagini\\flags\\it.jpg");
    EXPECT_EQ(c("Image20", 2).picture, "\\immagini\\flags\\au.jpg");
    EXPECT_TRUE(c("Image20", 2).visible);
    EXPECT_FALSE(c("Image20", 6).visible);
    for (int s = 0; s < 10; ++s)
        EXPECT_EQ(c("Label23", 25 + s).visible, s < 3) << s;

    chooseOk("Combo10", "Hearts");
    EXPECT_EQ(c("Label53", PlayerCard::kHistoryWeeks).text, "40\n12\n");
    EXPECT_EQ(c("Image20", 0).picture, "\\immagini\\flags\\fr.jpg");
    EXPECT_FALSE(c("Image20", 2).visible);

    // Never more than twenty lines.
    for (int week = 1; week <= 30; ++week)
        addResult("Trofeo di Bologna", "Uno", week);
    chooseOk("Combo10", "Tutti");
    EXPECT_EQ(lines(c("Label53", PlayerCard::kHistoryWeeks).text).size(), 20u);
    EXPECT_EQ(lines(c("Label53", PlayerCard::kHistoryWeeks).text).front(), "10");
}

TEST_F(PlayerCardTest, SearchIgnoresCaseAndFindsPartsOfNames) {
    open();
    clickOk("Label1", 17);
    ASSERT_TRUE(form->window().type("Text2", -1, "cOGNOME12"));
    clickOk("Image18");
    // Cognome12, Cognome120..129 and Cognome1200..1299.
    EXPECT_EQ(c("Combo9").items.size(), 111u);
    EXPECT_EQ(c("Label53", 0).text, c("Combo9").items.front());
    EXPECT_EQ(c("Combo9").text, c("Combo9").items.front());

    ASSERT_TRUE(form->window().type("Text2", -1, "ROSSI m"));
    clickOk("Image18");
    EXPECT_EQ(c("Combo9").items, std::vector<std::string>{"Rossi Mario"});
    EXPECT_EQ(c("Label53", 0).text, "Rossi Mario");

    ASSERT_TRUE(form->window().type("Text2", -1, "zzz"));
    clickOk("Image18");
    EXPECT_TRUE(c("Combo9").items.empty());
    EXPECT_EQ(c("Label53", PlayerCard::kHistoryWeeks).text, "");
}

} // namespace
} // namespace velmora::test
