// The world's week: every tournament of the week gets a full result, last season's edition drops
// out of the rankings, the human's own tournament is recorded from his table, and the calendar
// moves on.

#include "CareerWorld.h"

#include "career/EventEntry.h"
#include "career/Strength.h"
#include "career/WeekSimulation.h"
#include "data/Quoting.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

class WeekSimulationTest : public CareerTest {
  protected:
    void SetUp() override { openWorld(); }

    void nextWeek() {
        ASSERT_TRUE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
        ASSERT_TRUE(platform.takeMessages().empty());
    }
    // Moves the stored career to a week, as the weeks before would have.
    void goToWeek(int week) {
        form->temp().setNumber("settimana", week);
        loadCareer();
    }
    long long points(const std::string& column, const std::string& surname, const std::string& firstName) {
        return form->db()
            .query("SELECT " + column + " FROM giocatori where cognome='" + fApici(surname) + "'and nome='" +
                   fApici(firstName) + "'")
            .at(0, 0)
            .toInt();
    }
    // A computer player with a result at the tournament last season: (surname, first name, points).
    std::vector<std::tuple<std::string, std::string, long long>> lastSeason(const std::string& tournament) {
        Rows rows = form->db().query("SELECT cognome, nome, punti FROM tornei where torneo='" +
                                     fApici(tournament) + "' order by punti desc, rowid");
        std::vector<std::tuple<std::string, std::string, long long>> players;
        for (int r = 0; r <= rows.last(); ++r)
            players.emplace_back(rows.at(0, r).str(), rows.at(1, r).str(), rows.at(2, r).toInt());
        return players;
    }
    // The human's own tournament: he and the given players sat at it and finished in these place groups.
    void playTournament(const std::string& tournament,
                        const std::vector<std::tuple<std::string, std::string, int>>& placeGroups) {
        form->enteredEvent = tournament;
        form->temp().setText("evento", tournament);
        form->eventRows =
            form->db().query("SELECT * FROM calendario where  torneo='" + fApici(tournament) + "' ");
        clearEntrantTable(form->roundPlayers);
        int row = 0;
        for (const auto& [surname, firstName, group] : placeGroups) {
            form->roundPlayers[static_cast<size_t>(row)][0] = Value(surname);
            form->roundPlayers[static_cast<size_t>(row)][1] = Value(firstName);
            form->roundPlayers[static_cast<size_t>(row)][9] = Value(group);
            ++row;
        }
    }
};

TEST_F(WeekSimulationTest, EveryWeekKeepsPointsTheSumOfTheLast52WeeksResults) {
    int yields = platform.yields();
    for (int week = 1; week <= 6; ++week) {
        nextWeek();
        EXPECT_EQ(form->temp().number("settimana"), week + 1);
        EXPECT_EQ(form->currentWeek, week + 1);
        EXPECT_GT(platform.yields(), yields) << "the progress bar is never repainted";
        yields = platform.yields();
        EXPECT_FALSE(c("Label9").visible);
        EXPECT_TRUE(form->window().enabled());

        // Each of the week's tournaments, continental and national ones included, has this
        // week's full field and nothing of last season.
        Rows events = form->db().query("SELECT torneo, giocatori FROM calendario where settimana=" +
                                       std::to_string(week));
        for (int r = 0; r <= events.last(); ++r) {
            Rows results = form->db().query("SELECT settimana FROM tornei where torneo='" +
                                            fApici(events.at(0, r).str()) + "'");
            EXPECT_EQ(results.rowCount(), events.at(1, r).toInt()) << events.at(0, r).str();
            for (int k = 0; k <= results.last(); ++k)
                EXPECT_EQ(results.at(0, k).toInt(), week);
        }
    }
    expectPointsMatchResults();
    expectNobodyTwiceAWeek();
    // The human is never drawn into a tournament he did not play.
    EXPECT_EQ(form->db().query("SELECT * FROM tornei where cognome='Rossi'and nome='Mario'").rowCount(), 0);
}

TEST_F(WeekSimulationTest, LastSeasonsPointsAtATournamentAreReplacedByThisSeasons) {
    const std::string bologna =
        "Trofeo di Bologna"; // week 1, Challenger, Brisolo: 100 for the winner, 60 second
    auto previous = lastSeason(bologna);
    ASSERT_GE(previous.size(), 2u);
    // The player who won it last season finishes second this time.
    const auto [winner, winnerFirst, winnerPoints] = previous[0];
    ASSERT_EQ(winnerPoints, 100);
    // Someone who played it last season and stays away this time.
    const auto [absent, absentFirst, absentPoints] = previous[1];
    ASSERT_GT(absentPoints, 0);

    const long long winnerBefore = points("brisolopunti", winner, winnerFirst);
    const long long winnerTotalBefore = points("totalepunti", winner, winnerFirst);
    const long long absentBefore = points("brisolopunti", absent, absentFirst);
    playTournament(bologna, {{"Rossi", "Mario", 32}, {winner, winnerFirst, 2}});
    nextWeek();

    EXPECT_EQ(points("brisolopunti", winner, winnerFirst), winnerBefore - 40);
    EXPECT_EQ(points("totalepunti", winner, winnerFirst), winnerTotalBefore - 40);
    // Points of a tournament count for 52 weeks, whether or not the player comes back to defend them.
    EXPECT_EQ(points("brisolopunti", absent, absentFirst), absentBefore - absentPoints);

    // Only this edition's players are left in its results: the human out in the first round
    // (32 went through) is recorded 33rd.
    Rows results = form->db().query("SELECT cognome, posizione, punti, settimana FROM tornei where torneo='" +
                                    bologna + "' order by posizione");
    ASSERT_EQ(results.rowCount(), 2);
    EXPECT_EQ(results.at(0, 0).str(), winner);
    EXPECT_EQ(results.at(1, 0).toInt(), 2);
    EXPECT_EQ(results.at(2, 0).toInt(), 60);
    EXPECT_EQ(results.at(0, 1).str(), "Rossi");
    EXPECT_EQ(results.at(1, 1).toInt(), 33);
    EXPECT_EQ(results.at(2, 1).toInt(), 1);
    EXPECT_EQ(results.at(3, 1).toInt(), 1);
    expectPointsMatchResults();
}

TEST_F(WeekSimulationTest, AFirstEditionTakesNoPointsAway) {
    // Week 1's tournaments lose their history, and the rankings follow what is left.
    form->db().execute("DELETE FROM tornei WHERE settimana=1");
    for (const char* game : {"Uno", "Hearts", "Brisolo"}) {
        const std::string column = std::string(game == std::string("Uno")      ? "uno"
                                               : game == std::string("Hearts") ? "hearts"
                                                                               : "brisolo") +
                                   "punti";
        form->db().execute(
            "UPDATE giocatori SET " + column +
            " = (SELECT COALESCE(SUM(punti), 0) FROM tornei t WHERE t.cognome = giocatori.cognome "
            "AND t.nome = giocatori.nome AND t.tipo = '" +
            game + "')");
    }
    form->db().execute("UPDATE giocatori SET totalepunti = unopunti + heartspunti + brisolopunti");
    Rows before = form->db().query("SELECT cognome, nome, totalepunti FROM giocatori ORDER BY rowid");
    nextWeek();
    Rows after = form->db().query("SELECT cognome, nome, totalepunti FROM giocatori ORDER BY rowid");
    ASSERT_EQ(after.rowCount(), before.rowCount());
    int gained = 0;
    for (int r = 0; r <= before.last(); ++r) {
        ASSERT_EQ(after.at(0, r).str(), before.at(0, r).str());
        EXPECT_GE(after.at(2, r).toInt(), before.at(2, r).toInt()) << before.at(0, r).str();
        if (after.at(2, r).toInt() > before.at(2, r).toInt()) ++gained;
    }
    EXPECT_GT(gained, 0);
    expectPointsMatchResults();
}

TEST_F(WeekSimulationTest, TheHumansTableMatesAreNotDrawnElsewhereThatWeek) {
    // The 63 best all-round players of the world sat at the human's Challenger, the last of the
    // week's events in calendar order; the Masters and the Open before it, drawn among the strong,
    // must leave them alone.
    Rows strong = form->db().query("SELECT cognome, nome FROM giocatori where not uno=0 "
                                   "order by uno + hearts + brisolo desc, rowid limit 63");
    std::vector<std::tuple<std::string, std::string, int>> field{{"Rossi", "Mario", 32}};
    for (int r = 0; r <= strong.last(); ++r) {
        const int group = r == 0 ? 1 : r == 1 ? 2 : r < 4 ? 3 : r < 8 ? 4 : r < 16 ? 8 : r < 32 ? 16 : 32;
        field.emplace_back(strong.at(0, r).str(), strong.at(1, r).str(), group);
    }
    Rows week = form->db().query("SELECT torneo FROM calendario where settimana=1 order by settimana asc ");
    ASSERT_EQ(week.at(0, week.last()).str(), "Trofeo di Bologna");
    playTournament("Trofeo di Bologna", field);
    nextWeek();
    expectNobodyTwiceAWeek();
    EXPECT_EQ(form->db().query("SELECT * FROM tornei where torneo='Trofeo di Bologna'").rowCount(), 64);
    expectPointsMatchResults();
}

// The best places of a simulated event go to players strong at its game: strength is twice the
// skill at the game plus two thirds of each other skill, and the first six slots need 24, the
// slots up to 14 need 21, up to 25 need 18, up to 34 need 15, ..., up to 64 need 6.
TEST_F(WeekSimulationTest, TheBestPlacesGoToPlayersStrongAtTheGame) {
    Rows players = form->db().query("SELECT * FROM giocatori");
    EXPECT_EQ(playerStrength(players, playerRow(players, "Rossi", "Mario"), cardGame("Uno")), 0);
    nextWeek();
    // Least strength of anybody finishing in the tier that starts at each recorded place.
    const std::map<long long, int> least{{1, 24}, {2, 24},  {3, 24}, {5, 21},
                                         {9, 18}, {17, 15}, {33, 6}, {65, 0}};
    int checked = 0;
    for (const char* game : {"Uno", "Hearts", "Brisolo"}) {
        const CardGame& kind = cardGame(game);
        Rows results =
            form->db().query(std::string("SELECT cognome, nome, posizione FROM tornei where settimana=1 "
                                         "and tipo='") +
                             game + "'");
        ASSERT_GT(results.rowCount(), 0) << game;
        for (int r = 0; r <= results.last(); ++r) {
            const int row = playerRow(players, results.at(0, r).str(), results.at(1, r).str());
            ASSERT_GE(row, 0);
            const long long place = results.at(2, r).toInt();
            ASSERT_TRUE(least.count(place)) << place;
            EXPECT_GE(playerStrength(players, row, kind), least.at(place)) << game << " place " << place;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 128 + 64 + 64);
}

// A world where nobody is strong enough for the best places would draw for ever: the week still
// ends, the places going to the first free players.
TEST_F(WeekSimulationTest, AWorldTooWeakForTheBarStillPlaysItsWeek) {
    form->db().execute("UPDATE giocatori SET uno=1, hearts=1, brisolo=1 WHERE not uno=0");
    nextWeek();
    EXPECT_EQ(form->db().query("SELECT * FROM tornei where settimana=1").rowCount(), 128 + 64 + 64);
    expectNobodyTwiceAWeek();
    expectPointsMatchResults();
}

// A tournament the human left unfinished has entrants without a place: it is not recorded as played
// (it would store them at place 0), the failure is reported and nothing changes.
TEST_F(WeekSimulationTest, AnUnfinishedTournamentIsNotRecorded) {
    Rows strong =
        form->db().query("SELECT cognome, nome FROM giocatori where not uno=0 order by rowid limit 63");
    std::vector<std::tuple<std::string, std::string, int>> field{{"Rossi", "Mario", 32}};
    for (int r = 0; r <= strong.last(); ++r)
        field.emplace_back(strong.at(0, r).str(), strong.at(1, r).str(), r == 40 ? 0 : 32);
    playTournament("Trofeo di Bologna", field);
    const std::string before = dump();
    EXPECT_FALSE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
    const std::vector<std::string> messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("non e' stato concluso"), std::string::npos) << messages[0];
    EXPECT_TRUE(dump() == before);
    EXPECT_EQ(form->currentWeek, 1);
}

// A world smaller than the week's fields cannot play it: the failure is reported and nothing changes.
TEST_F(WeekSimulationTest, AWorldTooSmallForTheWeekIsReportedAndLeftAsItWas) {
    form->db().execute("DELETE FROM giocatori WHERE rowid > 200");
    const std::string before = dump();
    EXPECT_FALSE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
    const std::vector<std::string> messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Non ci sono abbastanza giocatori"), std::string::npos) << messages[0];
    EXPECT_TRUE(dump() == before);
    EXPECT_EQ(form->currentWeek, 1);
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(WeekSimulationTest, AFinalSeatsTheEightBestOfItsGame) {
    goToWeek(50); // the Uno final
    Rows best =
        form->db().query("SELECT cognome, nome FROM giocatori  order by unopunti desc,cognome asc limit 8");
    nextWeek();
    Rows final =
        form->db().query("SELECT cognome, nome, posizione FROM tornei where torneo='Finale Mondiale di Uno' "
                         "order by posizione");
    ASSERT_EQ(final.rowCount(), 8);
    std::vector<long long> places;
    for (int r = 0; r <= final.last(); ++r) {
        EXPECT_GE(playerRow(best, final.at(0, r).str(), final.at(1, r).str()), 0) << final.at(0, r).str();
        places.push_back(final.at(2, r).toInt());
    }
    EXPECT_EQ(places, (std::vector<long long>{1, 2, 3, 3, 5, 5, 5, 5}));
    EXPECT_EQ(form->currentWeek, 51);
    expectPointsMatchResults();
}

TEST_F(WeekSimulationTest, AfterWeek52ComesWeekOne) {
    goToWeek(52);
    nextWeek();
    EXPECT_EQ(form->temp().number("settimana"), 1);
    EXPECT_EQ(form->currentWeek, 1);
    EXPECT_EQ(form->db().query("SELECT * FROM tornei where settimana=52").rowCount(), 8);
    // The new season's first week replaces the old one's.
    nextWeek();
    EXPECT_EQ(form->currentWeek, 2);
    expectPointsMatchResults();
}

} // namespace
} // namespace velmora::test
