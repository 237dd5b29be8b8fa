// Sixty weeks of a career lived through velmora-driver across the end of its first season, with a
// tournament of each game played at the table and stretches of weeks lived several at once: every
// week's history row must tell what the dashboard showed once the week was over, every tournament's
// row what was stored and paid, every week's report what the store holds, the season's review and
// the rivals what SQL counts over the history, and the "Statistiche" screen exactly those rows.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "ScriptedBrisoloPlayer.h"
#include "ScriptedHeartsPlayer.h"
#include "ScriptedUnoPlayer.h"

#include "support/AppFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// "Cuo" as a Hearts board shows it, ranked for the lower heart: 2..10, J 11 to A 14, none 20.
long heartRank(const std::string& text) {
    const size_t face = std::string("JDKA").find(text);
    return text.empty() ? 20 : face != std::string::npos ? 11 + static_cast<long>(face) : std::stol(text);
}

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
        closed.clear();
        seatsAtClose.clear();
        for (ScriptedTablePlayer* player :
             std::initializer_list<ScriptedTablePlayer*>{&uno, &hearts, &brisolo})
            player->setAfterTable([this, game] {
                if (driver.visible("Label49")) keepClosedTable(game);
            });
        if (game == "Uno") {
            const UnoTournamentPlay play = uno.playTournament();
            for (size_t t = 0; t < closed.size() && t < play.rounds.size(); ++t) {
                const std::vector<int>& order = play.rounds[t].finishOrder;
                for (auto& [name, key] : closed[t]) {
                    size_t turn = 0; // among the hands emptied; those never emptied come last
                    while (turn < order.size() && name.rfind(seatsAtClose[t].at(order[turn]), 0) != 0)
                        ++turn;
                    key.push_back(static_cast<long>(turn));
                }
            }
        } else if (game == "Hearts") {
            hearts.playTournament();
        } else {
            brisolo.playTournament();
        }
        ASSERT_TRUE(driver.visible("Picture7")) << "no prize board after " << game;
    }

    // The week's row of the history against the dashboard it left behind.
    void checkWeekRow(const std::vector<std::string>& row, int season, int week) {
        ASSERT_EQ(row.size(), 24u);
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
        ASSERT_EQ(row.size(), 10u);
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
        ASSERT_EQ(lines.size(), 4 + kinds.size() + 4);
        EXPECT_EQ(lines[0], sums[0][0]);
        EXPECT_EQ(lines[1], sums[0][1]);
        EXPECT_EQ(lines[2], sums[0][2]);
        EXPECT_EQ(lines[lines.size() - 4], "€" + std::to_string(number(sums[0][3])));
        // The fees he paid come from the calendar; the net is the prizes less the fees.
        const auto fees = driver.query("SELECT coalesce(sum(c.iscrizione),0) FROM storico_tornei t JOIN calendario c "
                                       "ON c.torneo=t.torneo" + (game.empty() ? "" : " where t.gioco='" + game + "'"));
        const long net = number(sums[0][3]) - number(fees[0][0]);
        EXPECT_EQ(lines[lines.size() - 3], "€" + std::to_string(number(fees[0][0])));
        EXPECT_EQ(lines[lines.size() - 2], (net < 0 ? "-€" : "€") + std::to_string(net < 0 ? -net : net));
        EXPECT_EQ(lines.back(), std::to_string(number(sums[0][4])));
        for (size_t k = 0; k < kinds.size(); ++k) {
            const auto best = driver.query("SELECT coalesce(min(posizione),0) FROM storico_tornei where categoria='" +
                                           sqlText(kinds[k]) + "'" + (game.empty() ? "" : " and gioco='" + game + "'"));
            const std::string expected = best[0][0] == "0" ? "-" : best[0][0] + "°";
            EXPECT_EQ(lines[4 + k], expected) << kinds[k];
        }
    }

    // His stored points: Uno, Hearts, Brisolo, overall.
    std::vector<long> storedPoints() {
        const auto points = driver.query("SELECT unopunti, heartspunti, brisolopunti, totalepunti FROM giocatori "
                                         "where cognome='" + sqlText(surname) + "' and nome='" + sqlText(firstName) +
                                         "'");
        std::vector<long> values;
        for (const std::string& v : points.at(0))
            values.push_back(number(v));
        return values;
    }

    // What the coming week takes away from him, per game (Uno, Hearts, Brisolo), read before it.
    std::vector<long> pointsLeaving(int week) {
        std::vector<long> leaving(3, 0);
        const char* games[] = {"Uno", "Hearts", "Brisolo"};
        for (size_t g = 0; g < 3; ++g) {
            const auto sum = driver.query("SELECT coalesce(sum(punti),0) FROM tornei where cognome='" + sqlText(surname) +
                                          "' and nome='" + sqlText(firstName) + "' and tipo='" + games[g] +
                                          "' and torneo in (SELECT torneo FROM calendario where settimana=" +
                                          std::to_string(week) + ")");
            leaving[g] = number(sum[0][0]);
        }
        return leaving;
    }

    // The report after one or more weeks: its net is the stored points after less before, what it
    // says was taken away is what the weeks' events held of his, and its places after are the
    // dashboard's.
    void checkReport(const std::vector<long>& before, const std::vector<long>& dropped) {
        ASSERT_TRUE(driver.visible("Picture11")) << "no report after the week";
        const std::vector<long> after = storedPoints();
        const std::vector<std::string> net = valueLines(driver.caption("Label66", 4));
        const std::vector<std::string> gone = valueLines(driver.caption("Label66", 3));
        const std::vector<std::string> places = valueLines(driver.caption("Label66", 5));
        const std::vector<std::string> won = valueLines(driver.caption("Label66", 2));
        const std::vector<std::string> dashboard = valueLines(driver.caption("Label1", 15));
        ASSERT_EQ(net.size(), 5u);
        ASSERT_EQ(gone.size(), 5u);
        ASSERT_EQ(places.size(), 5u);
        ASSERT_EQ(won.size(), 5u);
        // The report lists the overall figures first, the store keeps them last.
        const size_t stored[] = {3, 0, 1, 2};
        long allDropped = 0;
        for (size_t k = 0; k < 4; ++k) {
            const long change = after[stored[k]] - before[stored[k]];
            EXPECT_EQ(number(net[k + 1]), change) << "net of line " << k;
            const long taken = k == 0 ? 0 : dropped[k - 1];
            allDropped += taken;
            if (k > 0) EXPECT_EQ(gone[k + 1], taken ? "-" + std::to_string(taken) : "0") << "line " << k;
            // What he won, less what was taken away, is what his points moved by.
            if (k > 0) EXPECT_EQ(number(won[k + 1]) - taken, change) << "won on line " << k;
            // "412 → 398 ▲": the place after the arrow, and the arrow up for a climb, down for a fall.
            const std::string& place = places[k + 1];
            const size_t arrow = place.find("\xE2\x86\x92");
            ASSERT_NE(arrow, std::string::npos) << place;
            const std::string placeAfter = place.substr(arrow + 4, place.find(' ', arrow + 4) - arrow - 4);
            EXPECT_EQ(placeAfter, dashboard[3 * k]) << "place after on line " << k;
            const std::string placeBefore = place.substr(0, arrow - 1);
            if (placeBefore != "-" && placeBefore != placeAfter) {
                const bool climbed = std::stol(placeAfter) < std::stol(placeBefore);
                EXPECT_NE(place.find(climbed ? "\xE2\x96\xB2" : "\xE2\x96\xBC"), std::string::npos) << place;
            }
        }
        EXPECT_EQ(gone[1], allDropped ? "-" + std::to_string(allDropped) : "0");
        EXPECT_EQ(number(won[1]), number(won[2]) + number(won[3]) + number(won[4])) << "overall won is the games' sum";
    }

    // Each event line shows the points its last edition gave him, and the week's line their sum.
    void checkPointsToDefend(const std::vector<CalendarEvent>& events, const std::vector<long>& leaving) {
        for (size_t i = 0; i < events.size() && i < 4; ++i) {
            const auto held = driver.query("SELECT coalesce(sum(punti),0) FROM tornei where cognome='" + sqlText(surname) +
                                           "' and nome='" + sqlText(firstName) + "' and torneo='" +
                                           sqlText(events[i].name) + "'");
            const long points = number(held[0][0]);
            EXPECT_EQ(driver.visible("Label65", static_cast<int>(i)), points > 0) << events[i].name;
            if (points > 0) {
                EXPECT_EQ(driver.caption("Label65", static_cast<int>(i)), "Da difendere: " + std::to_string(points) + " punti");
                ++defended;
            }
        }
        const std::string line = driver.caption("Label72");
        const std::string total = "In scadenza questa settimana: " + std::to_string(leaving[0] + leaving[1] + leaving[2]) + " punti";
        EXPECT_EQ(line.substr(0, total.size()), total);
    }

    // His tables of a tournament: one for each round he sat in, from the first round's field down
    // to the round he went out in (or the final), as his stored place tells.
    void checkTables(const PlayedHere& played) {
        const auto place = driver.query("SELECT posizione FROM storico_tornei where torneo='" + sqlText(played.event.name) +
                                        "' and stagione=" + std::to_string(played.season));
        const long stored = number(place.at(0)[0]);
        const int lastRound = stored <= 3 ? 4 : static_cast<int>(2 * (stored - 1));
        std::vector<std::string> expected;
        for (int players = played.event.entrants; players >= lastRound; players /= 2)
            expected.push_back(std::to_string(players));
        const auto tables = driver.query("SELECT turno FROM storico_tavoli where torneo='" + sqlText(played.event.name) +
                                         "' and stagione=" + std::to_string(played.season) + " order by turno desc");
        std::vector<std::string> rounds;
        for (const auto& row : tables)
            rounds.push_back(row[0]);
        EXPECT_EQ(rounds, expected) << played.event.name << ", stored place " << stored;
    }

    // His table at "PROSSIMO TURNO" as the standings board showed it: each player's name and what
    // ranks him there, the two going on first; then (Uno) who emptied his hand first, by the seats'
    // surnames, added once the tournament is over, (Hearts) fewer points and the lower heart, none last,
    // (Brisolo) more points, manches, best manche.
    void keepClosedTable(const std::string& game) {
        const auto column = [&](int item) { return valueLines(driver.caption("Label38", item)); };
        const auto names = column(4), on = column(18), first = column(24), second = column(25),
                   third = column(26);
        std::map<std::string, std::vector<long>>& table = closed.emplace_back();
        std::vector<std::string>& seats = seatsAtClose.emplace_back();
        for (int seat = 0; seat < 4; ++seat)
            seats.push_back(valueLines(driver.caption("Label38", seat)).at(0));
        for (size_t i = 0; i < names.size(); ++i) {
            std::vector<long>& key = table[names[i]] = {on.at(i) == "V" ? 0L : 1L};
            if (game == "Hearts") key.insert(key.end(), {std::stol(first.at(i)), heartRank(second.at(i))});
            if (game == "Brisolo")
                key.insert(key.end(),
                           {-std::stol(first.at(i)), -std::stol(second.at(i)), -std::stol(third.at(i))});
        }
    }

    // At each table he sat at, the stored places are the table's finishing order: one more than the
    // players ranked strictly ahead, so only players level on all of it share a place. A final
    // keeps the places the tournament stored.
    void checkTableOrder(const PlayedHere& played) {
        const auto rows =
            driver.query("SELECT turno, posto, cognome1 || ' ' || nome1, posto1, cognome2 || ' ' || nome2, "
                         "posto2, cognome3 || ' ' || nome3, posto3 FROM storico_tavoli where torneo='" +
                         sqlText(played.event.name) + "' and stagione=" + std::to_string(played.season) +
                         " order by turno desc");
        ASSERT_EQ(rows.size(), closed.size()) << played.event.name;
        for (size_t t = 0; t < rows.size(); ++t) {
            std::map<std::string, std::string> stored = {{surname + " " + firstName, rows[t][1]}};
            for (size_t k = 2; k + 1 < rows[t].size(); k += 2)
                stored[rows[t][k]] = rows[t][k + 1];
            ASSERT_EQ(closed[t].size(), 4u);
            for (const auto& [name, key] : closed[t]) {
                const long ahead = std::count_if(closed[t].begin(), closed[t].end(),
                                                 [&](const auto& other) { return other.second < key; });
                std::string expected = std::to_string(1 + ahead);
                if (rows[t][0] == "4")
                    expected = driver.query("SELECT posizione FROM tornei where torneo='" +
                                            sqlText(played.event.name) + "' and cognome || ' ' || nome='" +
                                            sqlText(name) + "'")[0][0];
                EXPECT_EQ(stored[name], expected)
                    << played.event.name << ", round of " << rows[t][0] << ": " << name;
            }
        }
    }

    // At the turn of the season its review is up, with the figures SQL counts over its history.
    void checkSeasonReview(int season) {
        ASSERT_TRUE(driver.visible("Picture12")) << "no review at the end of season " << season;
        const char* games[] = {"Uno", "Hearts", "Brisolo", ""};
        for (int c = 0; c < 4; ++c) {
            const std::string where = " where stagione=" + std::to_string(season) +
                                      (c < 3 ? std::string(" and gioco='") + games[c] + "'" : "");
            const auto sums = driver.query("SELECT count(*), coalesce(sum(posizione=1),0), coalesce(sum(posizione<=3),0) "
                                           "FROM storico_tornei" + where);
            const std::vector<std::string> lines = valueLines(driver.caption("Label67", 2 + c));
            ASSERT_EQ(lines.size(), 4u);
            EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), sums[0]) << "column " << c;
        }
        const auto money = driver.query("SELECT denaro FROM storico_settimane where stagione=" + std::to_string(season) +
                                        " order by settimana");
        EXPECT_EQ(valueLines(driver.caption("Label67", 6)).front(),
                  "Denaro: inizio €" + money.front()[0] + ", fine €" + money.back()[0]);
        driver.run("key Return");
        EXPECT_FALSE(driver.visible("Picture12"));
    }

    int defended = 0; // event lines seen with points to defend
    std::vector<std::map<std::string, std::vector<long>>> closed; // his tables of the tournament in play
    std::vector<std::vector<std::string>> seatsAtClose;           // their seats' surnames (Uno's order)

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
    for (int step = 0; step < kWeeksToLive;) {
        SCOPED_TRACE("season " + std::to_string(season) + ", week " + std::to_string(week));
        ASSERT_EQ(driver.caption("Label1", 14), "Prossimi Eventi Settimana " + std::to_string(week));
        const long moneyBefore = storedNumber(driver, "tuodenaro");
        const std::vector<CalendarEvent> events = weekEvents(driver, week);
        const std::vector<long> pointsBefore = storedPoints();
        std::vector<long> leaving = pointsLeaving(week);
        checkPointsToDefend(events, leaving);
        if (HasFatalFailure()) return;
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
        } else if (season == 1 && (week == 20 || week == 30)) {
            // Several weeks at once: four, then a long run stopped by Esc after its second week.
            const int weeksWanted = week == 20 ? 4 : 2;
            for (int later = week + 1; later < week + weeksWanted; ++later) {
                const std::vector<long> more = pointsLeaving(later);
                for (size_t g = 0; g < 3; ++g)
                    leaving[g] += more[g];
            }
            driver.run(week == 20 ? "choose Combo16 4 settimane" : "choose Combo16 Fino alla settimana 45");
            driver.click("Label8");
            ASSERT_TRUE(driver.visible("Label73")) << "no progress while the weeks are played";
            EXPECT_EQ(driver.caption("Label73"), " 1 / " + std::to_string(week == 20 ? 4 : 15));
            if (week == 30) {
                driver.run("advance 1"); // the second week
                driver.run("key Escape");
            } else {
                driver.run("advance 100");
            }
            ASSERT_FALSE(driver.visible("Label73"));
            EXPECT_EQ(driver.caption("Label66", 0), "Resoconto delle settimane " + std::to_string(week) + "-" +
                                                        std::to_string(week + weeksWanted - 1) + " (stagione 1)");
            // Nothing half-written: the weeks played are stored, each with its row.
            EXPECT_EQ(storedNumber(driver, "settimana"), week + weeksWanted);
            const auto weeks = driver.query("SELECT * FROM storico_settimane");
            ASSERT_EQ(weeks.size(), static_cast<size_t>(step + weeksWanted));
            checkReport(pointsBefore, leaving);
            step += weeksWanted;
            week += weeksWanted;
            if (HasFatalFailure()) return;
            continue;
        } else {
            driver.click("Label8");
        }
        ASSERT_EQ(driver.messages(), std::vector<std::string>{});
        checkReport(pointsBefore, leaving);
        if (week == kWeeksInSeason) checkSeasonReview(season);
        if (HasFatalFailure()) return;
        if (step % 2 == 0) driver.run("key Escape"); // the report closes by key as by a click
        if (step % 2 == 1) driver.click("Label66", 0);
        EXPECT_FALSE(driver.visible("Picture11"));

        const auto weeks = driver.query("SELECT * FROM storico_settimane");
        ASSERT_EQ(weeks.size(), static_cast<size_t>(step + 1)) << "one history row a week";
        checkWeekRow(weeks.back(), season, week);
        const auto tournaments = driver.query("SELECT * FROM storico_tornei");
        ASSERT_EQ(tournaments.size(), played.size()) << "one history row a tournament played";
        if (slot >= 0) checkTournamentRow(tournaments.back(), played.back());
        if (slot >= 0) checkTables(played.back());
        if (slot >= 0) checkTableOrder(played.back());
        if (HasFatalFailure()) return;

        ++step;
        if (++week > kWeeksInSeason) {
            week = 1;
            ++season;
        }
    }
    EXPECT_TRUE(gamesToPlay.empty()) << "the calendar offered no event of " << gamesToPlay.front();
    // His tournaments of the first season came round again in the second, with points to defend.
    EXPECT_GT(defended, 0);
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
    ASSERT_EQ(lines.size(), 5u);
    // A mark at each week he played, on his overall place that week.
    std::string marks = "Tornei giocati\t";
    for (size_t p = 0; p < played.size(); ++p) {
        const int x = (played[p].season - 1) * kWeeksInSeason + played[p].week;
        const auto place = driver.query("SELECT generale_mondo FROM storico_settimane where stagione=" +
                                        std::to_string(played[p].season) + " and settimana=" +
                                        std::to_string(played[p].week));
        marks += (p ? " " : "") + std::to_string(x) + "," + place[0][0];
    }
    EXPECT_EQ(lines[4], marks);
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
    EXPECT_EQ(driver.run("get Chart1 marks"),
              (std::vector<std::string>{"1\tStagione 1", "13\tsett. 13", "26\tsett. 26", "39\tsett. 39",
                                        "53\tStagione 2"}));

    std::vector<std::string> kinds;
    const std::vector<std::string> captions = valueLines(driver.caption("Label64", 5));
    ASSERT_GE(captions.size(), 6u);
    for (size_t i = 4; i + 4 < captions.size(); ++i)
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

    // Rivals: every listed meeting is a table recorded, and he finished ahead or behind at most as
    // often as they met.
    const auto tables = driver.query("SELECT count(*) FROM storico_tavoli");
    ASSERT_GT(number(tables[0][0]), 0);
    const std::vector<std::string> rivals = valueLines(driver.caption("Label68", 1));
    ASSERT_FALSE(rivals.empty());
    long listedMeetings = 0;
    for (const std::string& line : rivals) {
        const std::string who = line.substr(0, line.find(':'));
        long met = 0, ahead = 0, behind = 0;
        for (int k = 1; k <= 3; ++k) {
            const std::string n = std::to_string(k);
            const auto sums = driver.query("SELECT count(*), coalesce(sum(posto < posto" + n + "),0), coalesce(sum(posto > posto" +
                                           n + "),0) FROM storico_tavoli where cognome" + n + " || ' ' || nome" + n + "='" +
                                           sqlText(who) + "'");
            met += number(sums[0][0]);
            ahead += number(sums[0][1]);
            behind += number(sums[0][2]);
        }
        EXPECT_EQ(line, who + ": " + std::to_string(met) + (met == 1 ? " incontro" : " incontri") + ", davanti " +
                            std::to_string(ahead) + ", dietro " + std::to_string(behind));
        EXPECT_LE(ahead + behind, met);
        listedMeetings += met;
    }
    EXPECT_LE(listedMeetings, 3 * number(tables[0][0]));
    // Each season lived can show its review again.
    EXPECT_EQ(driver.property("Combo17", "items"), "Stagione 1|Stagione 2");
    driver.run("choose Combo17 Stagione 1");
    EXPECT_TRUE(driver.visible("Picture12"));
    driver.click("Label67", 0);
    EXPECT_FALSE(driver.visible("Picture12"));

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
