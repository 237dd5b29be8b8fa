// A whole career lived through velmora-driver exactly as a player would: a new career, ten Uno
// tournaments played card by card at the table, the other weeks skipped, on through week 52 into the
// next season. After every week the money, the stored results and the rolling ranking must agree with
// what happened on screen.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "PrizeBoard.h"
#include "ScriptedBrisoloPlayer.h"
#include "ScriptedHeartsPlayer.h"
#include "ScriptedUnoPlayer.h"

#include "support/AppFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

constexpr long kStartMoney = 20000;
constexpr int kWeeksInSeason = 52;
constexpr int kFirstFinalsWeek = 50;
constexpr int kUnoEventsToPlay = 10;
constexpr int kWeeksBetweenEntries = 4;

// The player whose career is lived: apostrophes in his surname and, for one of them, in his nation
// reach every statement that names him.
struct CareerPlayer {
    std::string firstName;
    std::string surname;
    std::string nation;
    std::string testName;
};

void PrintTo(const CareerPlayer& player, std::ostream* out) {
    *out << player.firstName << " " << player.surname << " (" << player.nation << ")";
}

// A tournament the human played, for the summary.
struct PlayedEvent {
    int week = 0;
    CalendarEvent event;
    UnoTournamentPlay play;
    int position = 0;
    long prize = 0;
    long moneyAfter = 0;
};

// The caption of a round by the number of players who go on from it, as the table shows it.
const std::map<int, std::string> kRoundCaptions = {{64, "1° TURNO"}, {32, "2° TURNO"},  {16, "OTTAVI"},
                                                   {8, "QUARTI"},    {4, "SEMIFINALI"}, {2, "FINALE"}};

class CareerEndToEndTest : public ::testing::TestWithParam<CareerPlayer> {
  protected:
    long storedMoney() { return storedNumber(driver, "tuodenaro"); }

    // The dashboard of a week: card, heading, money, and a quiet, usable window.
    void checkDashboard(int week) {
        SCOPED_TRACE("dashboard of week " + std::to_string(week));
        EXPECT_TRUE(driver.visible("Picture2"));
        EXPECT_FALSE(driver.visible("Picture5"));
        EXPECT_FALSE(driver.visible("Picture7"));
        EXPECT_EQ(driver.property("form", "enabled"), "true");
        EXPECT_EQ(driver.caption("Label1", 14), "Prossimi Eventi Settimana " + std::to_string(week));
        EXPECT_EQ(storedNumber(driver, "settimana"), week);
        EXPECT_EQ(storedText(driver, "evento"), "0");
        EXPECT_EQ(driver.caption("Label1", 8), firstName + " " + surname);
        EXPECT_EQ(storedMoney(), expectedMoney);
        EXPECT_EQ(driver.caption("Label1", 13), "€" + std::to_string(expectedMoney));
        EXPECT_EQ(driver.messages(), std::vector<std::string>{});
    }

    // The week's events in their slots, each with its entry button unless it is a continental one.
    void checkEventList(const std::vector<CalendarEvent>& events, bool autoEntered) {
        for (int slot = 0; slot < 4; ++slot) {
            SCOPED_TRACE("event slot " + std::to_string(slot));
            if (slot >= static_cast<int>(events.size())) {
                EXPECT_FALSE(driver.visible("Label5", slot));
                continue;
            }
            const CalendarEvent& event = events[slot];
            ASSERT_TRUE(driver.visible("Label5", slot));
            const auto lines = valueLines(driver.caption("Label5", slot));
            ASSERT_GE(lines.size(), 2u);
            EXPECT_EQ(lines[0], event.name);
            EXPECT_EQ(lines[1], std::to_string(event.entrants) + " giocatori");
            EXPECT_EQ(driver.visible("Label6", slot), event.host != "conti" && !autoEntered);
            EXPECT_FALSE(driver.visible("Label7", slot));
        }
    }

    // Every player's ranking points are the sums of his stored results, per game and in all.
    void checkRankingPoints(const std::string& when) {
        const auto mismatches = driver.query(
            "SELECT g.cognome, g.nome, g.unopunti, g.heartspunti, g.brisolopunti, g.totalepunti, "
            "COALESCE(s.u,0), COALESCE(s.h,0), COALESCE(s.b,0), COALESCE(s.t,0) FROM giocatori g LEFT JOIN "
            "(SELECT cognome, nome, SUM(CASE WHEN tipo='Uno' THEN punti ELSE 0 END) AS u, "
            "SUM(CASE WHEN tipo='Hearts' THEN punti ELSE 0 END) AS h, "
            "SUM(CASE WHEN tipo='Brisolo' THEN punti ELSE 0 END) AS b, SUM(punti) AS t "
            "FROM tornei GROUP BY cognome, nome) s ON s.cognome=g.cognome AND s.nome=g.nome "
            "WHERE g.unopunti<>COALESCE(s.u,0) OR g.heartspunti<>COALESCE(s.h,0) OR "
            "g.brisolopunti<>COALESCE(s.b,0) OR g.totalepunti<>COALESCE(s.t,0)");
        std::string listed;
        for (size_t i = 0; i < mismatches.size() && i < 5; ++i) {
            listed += "\n  ";
            for (const auto& field : mismatches[i])
                listed += field + " ";
        }
        EXPECT_TRUE(mismatches.empty()) << when << ": " << mismatches.size()
                                        << " players whose points (uno hearts brisolo totale) differ from "
                                           "their results (same order):"
                                        << listed;
        const std::string strangers = driver.value("sql SELECT count(*) FROM tornei t LEFT JOIN giocatori g "
                                                   "ON g.cognome=t.cognome AND g.nome=t.nome "
                                                   "WHERE g.cognome IS NULL");
        EXPECT_EQ(strangers, "0") << when << ": results of players who do not exist";
    }

    // Each event of the week holds one result per entrant, all of this week: last season's are gone.
    void checkWeekResults(const std::vector<CalendarEvent>& events, int week) {
        for (const CalendarEvent& event : events) {
            const auto rows =
                driver.query("SELECT count(*), min(settimana), max(settimana), "
                             "count(distinct cognome || ' ' || nome) FROM tornei where torneo='" +
                             sqlText(event.name) + "'");
            ASSERT_EQ(rows.size(), 1u);
            EXPECT_EQ(rows[0].at(0), std::to_string(event.entrants)) << event.name << " in week " << week;
            EXPECT_EQ(rows[0].at(1), std::to_string(week)) << event.name;
            EXPECT_EQ(rows[0].at(2), std::to_string(week)) << event.name;
            EXPECT_EQ(rows[0].at(3), std::to_string(event.entrants))
                << event.name << ": a player placed twice";
        }
    }

    // The human's stored results are exactly the tournaments he played within the last 52 weeks.
    void checkHumanResults(const std::string& when) {
        std::map<std::string, StoredResult> stored;
        for (const auto& row :
             driver.query("SELECT torneo, posizione, premio, punti FROM tornei where cognome='" +
                          sqlText(surname) + "' and nome='" + sqlText(firstName) + "'")) {
            stored[row.at(0)] = {std::stoi(row.at(1)), number(row.at(2)), number(row.at(3))};
        }
        EXPECT_EQ(stored, humanResults) << when;
    }

    bool humanInTopEight(const std::string& game) { return amongEightBest(driver, game, surname, firstName); }

    // All pages of the prize board, in the order listed: one for a final of eight, one for every 64
    // entrants otherwise, each entrant on one line in the order of the places.
    std::vector<PrizeBoardLine> readEventBoard(const CalendarEvent& event) {
        const PrizeBoard board = readPrizeBoard(driver);
        EXPECT_EQ(board.problems, std::vector<std::string>{}) << "prize board";
        EXPECT_EQ(board.eventName, event.name);
        EXPECT_EQ(static_cast<int>(board.pages.size()), event.entrants == 8 ? 1 : event.entrants / 64);
        EXPECT_EQ(static_cast<int>(board.lines.size()), event.entrants) << "lines on the prize board";
        for (size_t i = 0; i < board.lines.size(); ++i)
            EXPECT_EQ(board.lines[i].place, static_cast<int>(i) + 1) << "prize board line " << i;
        return board.lines;
    }

    // The stored results of a played event match its prize board line by line and the level's tiers.
    void checkStoredAgainstBoard(const CalendarEvent& event, const std::vector<PrizeBoardLine>& board) {
        const std::vector<Tier> tiers = levelTiers(driver, event.level);
        std::map<std::string, StoredResult> stored;
        for (const auto& row :
             driver.query("SELECT cognome, nome, posizione, premio, punti FROM tornei where torneo='" +
                          sqlText(event.name) + "'")) {
            const StoredResult result{std::stoi(row.at(2)), number(row.at(3)), number(row.at(4))};
            stored[row.at(0) + " " + row.at(1)] = result;
            const Tier* tier = tierOf(tiers, result.position);
            if (!tier) {
                ADD_FAILURE() << event.name << ": position " << result.position << " of " << row.at(0)
                              << " is in no tier";
                continue;
            }
            EXPECT_EQ(result.prize, tier->prize) << event.name << ": " << row.at(0) << " " << row.at(1);
            EXPECT_EQ(result.points, tier->points) << event.name << ": " << row.at(0) << " " << row.at(1);
        }
        int mismatched = 0;
        for (const PrizeBoardLine& line : board) {
            const auto found = stored.find(line.name);
            if (found == stored.end()) {
                ADD_FAILURE() << event.name << ": " << line.name
                              << " is on the prize board but has no result";
                continue;
            }
            const StoredResult& result = found->second;
            if (result.prize != line.prize || result.points != line.points || result.position > line.place) {
                if (++mismatched <= 5)
                    ADD_FAILURE() << event.name << ": board line " << line.place << ". " << line.name
                                  << " shows " << line.prize << " euro and " << line.points
                                  << " points; stored " << result;
            }
        }
        EXPECT_EQ(mismatched, 0) << event.name << ": board lines that differ from the stored results";
    }

    // The place the table shows the human earned: his round of exit, or his finish in the final.
    int expectedPosition(const UnoTournamentPlay& play, const CalendarEvent& event) {
        int qualifiers = event.entrants / 2;
        std::string caption = "1° TURNO";
        for (size_t r = 0; r < play.rounds.size(); ++r) {
            const UnoRound& round = play.rounds[r];
            EXPECT_EQ(round.caption, caption) << event.name << " round " << r + 1;
            EXPECT_FALSE(round.drawPileLeftOpen)
                << event.name << " round " << r + 1
                << ": the human's draw pile stayed offered after his table was over";
            EXPECT_EQ(std::count(round.seatCards.begin(), round.seatCards.end(), 0), 2)
                << event.name << " round " << r + 1 << ": seats that emptied their hands at his table";
            const bool out = round.humanCardsLeft != 0;
            const bool last = r + 1 == play.rounds.size();
            if (qualifiers == 2) { // the final
                EXPECT_TRUE(last) << event.name << ": a round after the final";
                if (out) return 3;
                EXPECT_GE(round.finishedBeforeHim, 0);
                return round.finishedBeforeHim + 1;
            }
            if (out) {
                EXPECT_TRUE(last) << event.name << ": the human sat at a table after going out";
                EXPECT_EQ(round.finishedBeforeHim, -1);
                return qualifiers + 1; // just below those who went through
            }
            EXPECT_LE(round.finishedBeforeHim, 1) << event.name << ": the human went through as third";
            EXPECT_FALSE(last) << event.name << ": the human went through but no next round was seated";
            qualifiers /= 2;
            caption = kRoundCaptions.at(qualifiers);
        }
        ADD_FAILURE() << event.name << ": the tournament ended without the human's exit or final";
        return 0;
    }

    // Plays a tournament of a game whose rounds the test does not follow card by card; the human's
    // place is then read from the prize board.
    void playOtherGame(const CalendarEvent& event, int& rounds) {
        if (event.game == "Brisolo") {
            const BrisoloTournamentPlay play = brisoloPlayer.playTournament();
            rounds = play.rounds;
            for (size_t at = 0; at < play.handPoints.size(); at += 4)
                EXPECT_EQ(play.handPoints.substr(at, 3), "416") << "points shared out at his table";
        } else if (event.game == "Hearts") {
            const HeartsTournamentPlay play = heartsPlayer.playTournament();
            rounds = play.rounds;
            for (int points : play.handPoints)
                EXPECT_EQ(points, 26) << "points shared out at his table";
        } else {
            ADD_FAILURE() << "no scripted player for " << event.game;
            return;
        }
        EXPECT_TRUE(driver.visible("Picture7")) << "no prize board after " << event.game;
    }

    // Enters the event (slot -1: entered by the game itself), plays it and collects the prize.
    void playEvent(int week, int slot, const CalendarEvent& event) {
        SCOPED_TRACE(event.name + " in week " + std::to_string(week));
        if (slot >= 0) {
            ASSERT_TRUE(driver.visible("Label6", slot)) << "no entry button";
            driver.click("Label6", slot);
            EXPECT_EQ(driver.messages(), std::vector<std::string>{});
            EXPECT_TRUE(driver.visible("Label7", slot)) << "\"ISCRITTO\" not shown";
            EXPECT_FALSE(driver.visible("Label8"));
            EXPECT_EQ(storedText(driver, "evento"), event.name);
            EXPECT_EQ(storedMoney(), expectedMoney) << "the fee is charged only after the tournament";
        }
        ASSERT_TRUE(driver.visible("Label39")) << "no \"Gioca Torneo\"";
        driver.click("Label39");
        EXPECT_EQ(driver.messages(), std::vector<std::string>{});
        EXPECT_EQ(driver.caption("Label38", 20), "1° TURNO");

        PlayedEvent played;
        played.week = week;
        played.event = event;
        int otherRounds = 0;
        const std::string humanName = surname + " " + firstName;
        if (event.game == "Uno") {
            played.play = player.playTournament();
            played.position = expectedPosition(played.play, event);
        } else {
            playOtherGame(event, otherRounds);
            // The board lists his place; the stored position is the first place of its group, which
            // the board's line for him must pay.
            for (const PrizeBoardLine& line : readPrizeBoard(driver).lines)
                if (line.name == humanName) played.position = line.place;
            const std::vector<Tier> levels = levelTiers(driver, event.level);
            if (const Tier* own = tierOf(levels, played.position)) played.position = own->from;
        }

        const std::vector<Tier> tiers = levelTiers(driver, event.level);
        const Tier* tier = tierOf(tiers, played.position);
        ASSERT_NE(tier, nullptr) << "position " << played.position << " is in no tier";
        played.prize = tier->prize;

        const std::vector<PrizeBoardLine> board = readEventBoard(event);
        int onBoard = 0;
        for (const PrizeBoardLine& line : board) {
            if (line.name != humanName) continue;
            ++onBoard;
            EXPECT_EQ(line.prize, played.prize)
                << "the board's prize for the human (place " << line.place << ")";
            EXPECT_EQ(line.points, tier->points) << "the board's points for the human";
        }
        EXPECT_EQ(onBoard, 1) << "the human's lines on the prize board";

        driver.click("Label50");
        expectedMoney += played.prize - event.fee;
        played.moneyAfter = storedMoney();
        EXPECT_FALSE(driver.visible("Picture7"));
        EXPECT_FALSE(driver.visible("Picture5"));

        if (event.game != "Uno") {
            // His stored position is that of his group: the tier's first place or below it.
            const auto rows = driver.query("SELECT posizione FROM tornei where torneo='" +
                                           sqlText(event.name) + "' and cognome='" + sqlText(surname) +
                                           "' and nome='" + sqlText(firstName) + "'");
            ASSERT_EQ(rows.size(), 1u) << "the human's stored result";
            const int stored = std::stoi(rows[0].at(0));
            EXPECT_EQ(tierOf(tiers, stored), tier)
                << "stored position " << stored << " against his board line";
            played.position = stored;
        }
        humanResults[event.name] = {played.position, played.prize, tier->points};
        checkStoredAgainstBoard(event, board);
        std::cout << "  week " << week << ": " << event.game << " " << event.name << " (" << event.entrants
                  << " players, fee " << event.fee << ") - "
                  << (event.game == "Uno" ? static_cast<int>(played.play.rounds.size()) : otherRounds)
                  << " rounds, " << played.play.turns << " turns, " << played.play.cardsPlayed
                  << " cards played, " << played.play.draws << " draws; place " << played.position
                  << ", prize " << played.prize << ", money " << played.moneyAfter << std::endl;
        playedEvents.push_back(played);
    }

    const std::string firstName = GetParam().firstName;
    const std::string surname = GetParam().surname; // an apostrophe in every statement naming him
    const std::string nation = GetParam().nation;
    AppFolder folder;
    DriverProcess driver{VELMORA_DRIVER, folder.path()};
    ScriptedUnoPlayer player{driver};
    ScriptedBrisoloPlayer brisoloPlayer{driver};
    ScriptedHeartsPlayer heartsPlayer{driver};
    long expectedMoney = kStartMoney;
    std::map<std::string, StoredResult> humanResults; // by tournament, his results within the last season
    std::vector<PlayedEvent> playedEvents;
};

TEST_P(CareerEndToEndTest, ASeasonOfUnoTournamentsKeepsMoneyResultsAndRankingsInStep) {
    const auto started = std::chrono::steady_clock::now();

    // A new career, as from the title menu.
    driver.run("load");
    driver.click("Label1", 1);
    ASSERT_EQ(driver.caption("Label1", 3), "Nuova");
    driver.click("Label1", 3);
    driver.run("type Text1 0 " + firstName);
    driver.run("type Text1 1 " + surname);
    driver.run("choose Combo1 1 " + nation);
    driver.click("Label3", 0);
    ASSERT_EQ(driver.messages(), std::vector<std::string>{});
    ASSERT_TRUE(driver.visible("Picture2")) << "no dashboard after a new career";
    ASSERT_EQ(driver.caption("Label1", 13), "€20000");
    EXPECT_EQ(storedText(driver, "tuonome"), firstName);
    EXPECT_EQ(storedText(driver, "tuocognome"), surname);
    EXPECT_EQ(storedText(driver, "tuanazionalita"), nation);
    checkRankingPoints("after the new career");
    checkHumanResults("after the new career");

    int week = 1;
    int unoEventsEntered = 0;
    int nextEntryWeek = 1;
    const int weeksToPlay = kWeeksInSeason + 1; // the whole season and the first week of the next
    for (int step = 0; step < weeksToPlay; ++step) {
        const bool firstSeason = step < kWeeksInSeason;
        SCOPED_TRACE("season " + std::to_string(firstSeason ? 1 : 2) + ", week " + std::to_string(week));
        checkDashboard(week);
        const std::vector<CalendarEvent> events = weekEvents(driver, week);
        const bool autoEntered = driver.visible("Label39");
        checkEventList(events, autoEntered);

        std::set<std::string> playedThisWeek;
        if (autoEntered) {
            // Only a season final is entered by the game, for a player among the eight best of its game.
            ASSERT_GE(week, kFirstFinalsWeek) << "\"Gioca Torneo\" shown with nothing entered";
            ASSERT_FALSE(events.empty());
            const CalendarEvent& seasonFinal = events.front();
            EXPECT_TRUE(humanInTopEight(seasonFinal.game));
            EXPECT_FALSE(driver.visible("Label8"));
            ASSERT_EQ(seasonFinal.game, "Uno") << "the human qualified for a final this test cannot play";
            playEvent(week, -1, seasonFinal);
            playedThisWeek.insert(seasonFinal.name);
        } else {
            if (week >= kFirstFinalsWeek && !events.empty()) {
                EXPECT_FALSE(humanInTopEight(events.front().game))
                    << "qualified but not entered in the final";
            }
            // Ten Uno events a few weeks apart, alternating 128 and 64 players.
            int slot = -1;
            if (firstSeason && week < kFirstFinalsWeek && unoEventsEntered < kUnoEventsToPlay &&
                week >= nextEntryWeek) {
                const int wantedEntrants = unoEventsEntered % 2 == 0 ? 128 : 64;
                for (int i = 0; i < static_cast<int>(events.size()) && slot < 0; ++i) {
                    const CalendarEvent& event = events[i];
                    if (event.game == "Uno" && event.host != "conti" && event.entrants == wantedEntrants &&
                        event.fee <= expectedMoney)
                        slot = i;
                }
            }
            if (slot >= 0) {
                playEvent(week, slot, events[slot]);
                playedThisWeek.insert(events[slot].name);
                ++unoEventsEntered;
                nextEntryWeek = week + kWeeksBetweenEntries;
            } else {
                ASSERT_TRUE(driver.visible("Label8")) << "no \"Prossima Settimana\"";
                EXPECT_FALSE(driver.visible("Label39"));
                driver.click("Label8");
            }
        }
        if (HasFatalFailure()) return;

        // The week's results replace last season's edition of the same events.
        for (const CalendarEvent& event : events) {
            if (!playedThisWeek.count(event.name)) humanResults.erase(event.name);
        }
        checkWeekResults(events, week);
        checkRankingPoints("after week " + std::to_string(week));
        checkHumanResults("after week " + std::to_string(week));
        week = week % kWeeksInSeason + 1;
    }
    checkDashboard(week);
    EXPECT_EQ(week, 2);
    EXPECT_EQ(unoEventsEntered, kUnoEventsToPlay) << "the calendar did not offer enough Uno events to enter";
    int with64 = 0, with128 = 0;
    for (const PlayedEvent& played : playedEvents) {
        with64 += played.event.entrants == 64;
        with128 += played.event.entrants == 128;
    }
    EXPECT_GE(with64, 3);
    EXPECT_GE(with128, 3);

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "Career of " << firstName << " " << surname << " (" << nation << "): " << weeksToPlay
              << " weeks, " << playedEvents.size() << " Uno tournaments played, places";
    for (const PlayedEvent& played : playedEvents)
        std::cout << " " << played.position;
    std::cout << "; money " << kStartMoney << " -> " << expectedMoney << " euro; " << driver.commandCount()
              << " driver commands in " << seconds << " s" << std::endl;
}

// A season of every game: the player enters Uno, Brisolo and Hearts events in turn, plays a season
// final whenever his ranking takes him there, and lives on into the next season.
class ThreeGameSeasonTest : public CareerEndToEndTest {};

TEST_P(ThreeGameSeasonTest, ASeasonOfAllThreeGamesKeepsMoneyResultsAndRankingsInStep) {
    const std::vector<std::string> games = {"Uno", "Brisolo", "Hearts"};
    constexpr int kEventsPerGame = 2;
    driver.run("load");
    ASSERT_TRUE(makeCareer(driver, firstName, surname, nation)) << "no dashboard after a new career";

    std::map<std::string, int> entered;
    int week = 1;
    size_t nextGame = 0;
    for (int step = 0; step < kWeeksInSeason + 1; ++step) {
        SCOPED_TRACE("week " + std::to_string(week) + (step >= kWeeksInSeason ? " of the next season" : ""));
        checkDashboard(week);
        const std::vector<CalendarEvent> events = weekEvents(driver, week);
        std::set<std::string> playedThisWeek;
        if (driver.visible("Label39")) {
            ASSERT_GE(week, kFirstFinalsWeek) << "\"Gioca Torneo\" shown with nothing entered";
            playEvent(week, -1, events.front());
            playedThisWeek.insert(events.front().name);
        } else {
            int slot = -1;
            if (step < kWeeksInSeason && week < kFirstFinalsWeek &&
                entered[games[nextGame]] < kEventsPerGame) {
                for (int i = 0; i < static_cast<int>(events.size()) && slot < 0; ++i) {
                    const CalendarEvent& event = events[i];
                    if (event.game == games[nextGame] && event.host != "conti" && event.entrants <= 64 &&
                        event.fee <= expectedMoney)
                        slot = i;
                }
            }
            if (slot >= 0) {
                playEvent(week, slot, events[slot]);
                playedThisWeek.insert(events[slot].name);
                ++entered[games[nextGame]];
                nextGame = (nextGame + 1) % games.size();
            } else {
                ASSERT_TRUE(driver.visible("Label8")) << "no \"Prossima Settimana\"";
                driver.click("Label8");
            }
        }
        if (HasFatalFailure()) return;
        for (const CalendarEvent& event : events) {
            if (!playedThisWeek.count(event.name)) humanResults.erase(event.name);
        }
        checkWeekResults(events, week);
        checkRankingPoints("after week " + std::to_string(week));
        checkHumanResults("after week " + std::to_string(week));
        week = week % kWeeksInSeason + 1;
    }
    for (const std::string& game : games)
        EXPECT_GE(entered[game], kEventsPerGame) << game << " events played";
    std::cout << "Season of all three games: " << playedEvents.size() << " tournaments; money " << kStartMoney
              << " -> " << expectedMoney << " euro" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Career, ThreeGameSeasonTest,
                         ::testing::Values(CareerPlayer{"Zoë", "O'Brien", "Irlanda", "Irish"}),
                         [](const ::testing::TestParamInfo<CareerPlayer>& info) {
                             return info.param.testName;
                         });

// Two careers: the world's random draws differ with the player's nation, so each meets other tables.
INSTANTIATE_TEST_SUITE_P(Careers, CareerEndToEndTest,
                         ::testing::Values(CareerPlayer{"Nicolò", "D'Angelo", "Costa d'Avorio", "Ivorian"},
                                           CareerPlayer{"Giulia", "Dell'Orto", "Italia", "Italian"}),
                         [](const ::testing::TestParamInfo<CareerPlayer>& info) {
                             return info.param.testName;
                         });

} // namespace
} // namespace velmora::test
