// Sixty weeks of a career lived through velmora-driver across the end of its first season, with a
// tournament of each game played at the table: every week's history row must tell what the dashboard
// showed once the week was over, every tournament's row what was stored and paid, and the
// "Statistiche" screen must add up exactly those rows.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "ScriptedBrisoloPlayer.h"
#include "ScriptedHeartsPlayer.h"
#include "ScriptedUnoPlayer.h"

#include "support/AppFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

constexpr int kWeeksToLive = 60;
constexpr int kWeeksInSeason = 52;
constexpr int kFirstFinalsWeek = 50;

// A tournament as the test saw it played.
struct PlayedHere {
    int season = 0;
    int week = 0;
    CalendarEvent event;
    long prize = 0; // the money it brought, the fee given back
};

class StatisticsScenarioTest : public ::testing::Test {
  protected:
    void newCareer() {
        driver.run("load");
        ASSERT_TRUE(makeCareer(driver, firstName, surname, "Italia"));
        ASSERT_EQ(driver.messages(), std::vector<std::string>{});
    }

    void playAtTheTable(const std::string& game) {
        if (game == "Uno") {
            uno.playTournament();
        } else if (game == "Hearts") {
            hearts.playTournament();
        } else {
            brisolo.playTournament();
        }
        ASSERT_TRUE(driver.visible("Picture7")) << "no prize board after " << game;
    }

    // The week's row of the history against the dashboard it left behind.
    void checkWeekRow(const std::vector<std::string>& row, int season, int week) {
        ASSERT_EQ(row.size(), 19u);
        EXPECT_EQ(std::stoi(row[0]), season);
        EXPECT_EQ(std::stoi(row[1]), week);
        const long money = storedNumber(driver, "tuodenaro");
        EXPECT_EQ(number(row[2]), money);
        EXPECT_EQ(driver.caption("Label1", 13), "€" + std::to_string(money));
        const std::vector<std::string> places = valueLines(driver.caption("Label1", 15));
        ASSERT_EQ(places.size(), 12u);
        for (size_t i = 0; i < 12; ++i)
            EXPECT_EQ(row[3 + i], places[i] == "-" ? "0" : places[i]) << "place " << i;
        const auto points = driver.query("SELECT unopunti, heartspunti, brisolopunti, totalepunti FROM giocatori "
                                         "where cognome='" + sqlText(surname) + "' and nome='" +
                                         sqlText(firstName) + "'");
        ASSERT_EQ(points.size(), 1u);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(number(row[15 + i]), number(points[0][i])) << "points " << i;
    }

    // The tournament's row against the stored results and the money it brought.
    void checkTournamentRow(const std::vector<std::string>& row, const PlayedHere& played) {
        ASSERT_EQ(row.size(), 9u);
        EXPECT_EQ(std::stoi(row[0]), played.season);
        EXPECT_EQ(std::stoi(row[1]), played.week);
        EXPECT_EQ(row[2], played.event.name);
        EXPECT_EQ(row[3], played.event.game);
        EXPECT_EQ(std::stoi(row[5]), played.event.entrants);
        const auto stored = driver.query("SELECT posizione, punti FROM tornei where torneo='" +
                                         sqlText(played.event.name) + "' and cognome='" + sqlText(surname) +
                                         "' and nome='" + sqlText(firstName) + "'");
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(row[6], stored[0][0]);
        EXPECT_EQ(number(row[8]), number(stored[0][1]));
        EXPECT_EQ(number(row[7]), played.prize);
    }

    // The record table's column of one game (or of all, game ""), against a count over the rows.
    void checkRecordColumn(int column, const std::string& game, const std::vector<std::string>& kinds) {
        SCOPED_TRACE("record column " + (game.empty() ? std::string("Totale") : game));
        const std::string where = game.empty() ? "" : " where gioco='" + game + "'";
        const auto sums = driver.query("SELECT count(*), coalesce(sum(posizione=1),0), "
                                       "coalesce(sum(posizione between 1 and 3),0), coalesce(sum(premio),0), "
                                       "coalesce(sum(punti),0) FROM storico_tornei" + where);
        const std::vector<std::string> lines = valueLines(driver.caption("Label64", 6 + column));
        ASSERT_EQ(lines.size(), 4 + kinds.size() + 2);
        EXPECT_EQ(lines[0], sums[0][0]);
        EXPECT_EQ(lines[1], sums[0][1]);
        EXPECT_EQ(lines[2], sums[0][2]);
        EXPECT_EQ(lines[lines.size() - 2], "€" + std::to_string(number(sums[0][3])));
        EXPECT_EQ(lines.back(), std::to_string(number(sums[0][4])));
        for (size_t k = 0; k < kinds.size(); ++k) {
            const auto best = driver.query("SELECT coalesce(min(posizione),0) FROM storico_tornei where categoria='" +
                                           sqlText(kinds[k]) + "'" + (game.empty() ? "" : " and gioco='" + game + "'"));
            const std::string expected = best[0][0] == "0" ? "-" : best[0][0] + "°";
            EXPECT_EQ(lines[4 + k], expected) << kinds[k];
        }
    }

    const std::string firstName = "Zoë";
    const std::string surname = "Dell'Acqua";
    AppFolder folder;
    DriverProcess driver{VELMORA_DRIVER, folder.path()};
    ScriptedUnoPlayer uno{driver};
    ScriptedHeartsPlayer hearts{driver};
    ScriptedBrisoloPlayer brisolo{driver};
};

TEST_F(StatisticsScenarioTest, SixtyWeeksOfEveryGameKeepAHistoryThatTellsWhatTheDashboardShowed) {
    const auto started = std::chrono::steady_clock::now();
    newCareer();
    if (HasFatalFailure()) return;

    std::vector<std::string> gamesToPlay = {"Uno", "Hearts", "Brisolo"};
    std::vector<PlayedHere> played;
    int season = 1;
    int week = 1;
    for (int step = 0; step < kWeeksToLive; ++step) {
        SCOPED_TRACE("season " + std::to_string(season) + ", week " + std::to_string(week));
        ASSERT_EQ(driver.caption("Label1", 14), "Prossimi Eventi Settimana " + std::to_string(week));
        const long moneyBefore = storedNumber(driver, "tuodenaro");
        const std::vector<CalendarEvent> events = weekEvents(driver, week);
        int slot = -1;
        bool finalEntered = driver.visible("Label39");
        if (finalEntered) {
            ASSERT_GE(week, kFirstFinalsWeek) << "\"Gioca Torneo\" with nothing entered";
            slot = 0;
        } else if (!gamesToPlay.empty() && week < kFirstFinalsWeek) {
            for (int i = 0; i < static_cast<int>(events.size()) && slot < 0; ++i) {
                const CalendarEvent& e = events[i];
                if (e.game == gamesToPlay.front() && e.host != "conti" && e.entrants <= 64 && e.fee <= moneyBefore)
                    slot = i;
            }
        }
        if (slot >= 0) {
            const CalendarEvent& event = events[slot];
            if (!finalEntered) driver.click("Label6", slot);
            driver.click("Label39");
            ASSERT_EQ(driver.messages(), std::vector<std::string>{});
            playAtTheTable(event.game);
            if (HasFatalFailure()) return;
            driver.click("Label50");
            const long moneyAfter = storedNumber(driver, "tuodenaro");
            played.push_back({season, week, event, moneyAfter - moneyBefore + event.fee});
            if (!gamesToPlay.empty() && gamesToPlay.front() == event.game) gamesToPlay.erase(gamesToPlay.begin());
        } else {
            driver.click("Label8");
        }
        ASSERT_EQ(driver.messages(), std::vector<std::string>{});

        const auto weeks = driver.query("SELECT * FROM storico_settimane");
        ASSERT_EQ(weeks.size(), static_cast<size_t>(step + 1)) << "one history row a week";
        checkWeekRow(weeks.back(), season, week);
        const auto tournaments = driver.query("SELECT * FROM storico_tornei");
        ASSERT_EQ(tournaments.size(), played.size()) << "one history row a tournament played";
        if (slot >= 0) checkTournamentRow(tournaments.back(), played.back());
        if (HasFatalFailure()) return;

        if (++week > kWeeksInSeason) {
            week = 1;
            ++season;
        }
    }
    EXPECT_TRUE(gamesToPlay.empty()) << "the calendar offered no event of " << gamesToPlay.front();
    EXPECT_EQ(storedNumber(driver, "stagione"), 2);

    // The screen adds up the rows it was given.
    driver.click("Label1", 18);
    ASSERT_EQ(driver.messages(), std::vector<std::string>{});
    EXPECT_TRUE(driver.visible("Picture9"));
    EXPECT_EQ(driver.caption("Label64", 1), firstName + " " + surname + "  -  2 stagioni, 60 settimane, " +
                                                std::to_string(played.size()) + " tornei giocati");
    const auto weeks = driver.query("SELECT stagione, settimana, generale_mondo, uno_mondo, hearts_mondo, "
                                    "brisolo_mondo, denaro FROM storico_settimane");
    const auto lines = driver.run("get Chart1 points");
    ASSERT_EQ(lines.size(), 4u);
    const char* rankings[] = {"Generale", "Uno", "Hearts", "Brisolo"};
    for (size_t k = 0; k < 4; ++k) {
        std::string expected = rankings[k] + std::string("\t");
        for (size_t r = 0; r < weeks.size(); ++r) {
            const int x = (std::stoi(weeks[r][0]) - 1) * kWeeksInSeason + std::stoi(weeks[r][1]);
            expected += (r ? " " : "") + std::to_string(x) + "," + weeks[r][2 + k];
        }
        EXPECT_EQ(lines[k], expected);
    }
    const auto money = driver.run("get Chart2 points");
    ASSERT_EQ(money.size(), 1u);
    EXPECT_EQ(money[0].substr(0, money[0].find('\t')), "Denaro");
    EXPECT_NE(money[0].find(" 60," + std::to_string(storedNumber(driver, "tuodenaro"))), std::string::npos);
    EXPECT_EQ(driver.run("get Chart1 marks"), (std::vector<std::string>{"1\tStagione 1", "53\tStagione 2"}));

    std::vector<std::string> kinds;
    const std::vector<std::string> captions = valueLines(driver.caption("Label64", 5));
    ASSERT_GE(captions.size(), 6u);
    for (size_t i = 4; i + 2 < captions.size(); ++i)
        kinds.push_back(captions[i].substr(captions[i].find_first_not_of(' ')));
    EXPECT_EQ(kinds.front(), "Challenger");
    const char* games[] = {"Uno", "Hearts", "Brisolo", ""};
    for (int c = 0; c < 4; ++c)
        checkRecordColumn(c, games[c], kinds);
    const auto wins = driver.query("SELECT count(*) FROM storico_tornei where posizione=1");
    const std::vector<std::string> trophies = valueLines(driver.caption("Label64", 21));
    if (wins[0][0] == "0") {
        EXPECT_EQ(trophies, std::vector<std::string>{"Nessun trofeo"});
    } else {
        EXPECT_EQ(std::to_string(trophies.size()), wins[0][0]);
    }

    // One record screen at a time; "Home" and "Esci" close it and the dashboard is there again.
    driver.click("Label1", 16);
    EXPECT_FALSE(driver.visible("Picture9"));
    EXPECT_TRUE(driver.visible("Picture2"));
    driver.click("Label1", 18);
    driver.click("Label1", 5);
    EXPECT_FALSE(driver.visible("Picture9"));
    EXPECT_TRUE(driver.visible("Picture4"));
    driver.click("Label1", 18);
    EXPECT_FALSE(driver.visible("Picture4"));
    EXPECT_TRUE(driver.visible("Picture9"));
    driver.click("Label1", 7);
    EXPECT_FALSE(driver.visible("Picture9"));
    EXPECT_FALSE(driver.visible("Picture2"));
    EXPECT_FALSE(driver.visible("Label1", 18));

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << kWeeksToLive << " weeks, " << played.size() << " tournaments, " << driver.commandCount()
              << " driver commands in " << seconds << " s" << std::endl;
}

} // namespace
} // namespace velmora::test
