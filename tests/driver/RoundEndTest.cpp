// The end of a round as an impatient player meets it, through velmora-driver with the real timers
// ticking: the round closes only once the human's table has settled, nothing runs on when
// "PROSSIMO TURNO" shows, and clicking it at once leaves every stored place of a 64-player event
// right. Careers differ in their stored random counter only; they are played until the three ways a
// table can end late have each closed a round: a computer second with a "piu2", a computer second
// with a "piu4", and the human's own last card making him second.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "ScriptedUnoPlayer.h"

#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "support/AppFolder.h"
#include "support/WorldBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

std::string endingOf(const UnoRound& round) {
    if (round.finishOrder.size() < 2) return "";
    const int second = round.finishOrder[1];
    if (second == 3) return "the human second";
    if (round.pileAtClose.find("piu4") != std::string::npos) return "a computer second with piu4";
    if (round.pileAtClose.find("piu2") != std::string::npos) return "a computer second with piu2";
    return "";
}

class RoundEndTest : public ::testing::Test {
  protected:
    void TearDown() override {
        player.reset();
        driver.reset();
        folder.reset();
    }

    DriverProcess& d() { return *driver; }

    void openCareer(int week, double randomCounter) {
        player.reset();
        driver.reset();
        folder = std::make_unique<AppFolder>();
        {
            Database database(Database::connectionString(folder->path()));
            WorldOptions world;
            world.week = week;
            buildWorld(database, world);
            KeyValueStore(database).setNumber("nummag", randomCounter);
        }
        driver = std::make_unique<DriverProcess>(VELMORA_DRIVER, folder->path());
        player = std::make_unique<ScriptedUnoPlayer>(*driver);
        d().run("load");
        d().click("Label1", 1);
        d().click("Label1", 4);
        ASSERT_TRUE(d().visible("Picture2"));
    }

    // Enters the event from the dashboard and opens its table.
    void enterAndStart(const CalendarEvent& event) {
        const int slot = dashboardSlot(d(), event);
        ASSERT_GE(slot, 0) << "the event is not listed on the dashboard";
        d().click("Label6", slot);
        d().click("Label39");
        ASSERT_EQ(d().messages(), std::vector<std::string>{});
        ASSERT_TRUE(d().visible("Picture5"));
    }

    std::map<int, int> storedPlaces(const CalendarEvent& event) {
        std::map<int, int> count;
        for (const auto& row : d().query("SELECT posizione FROM tornei where torneo='" + event.name + "'"))
            ++count[std::stoi(row.at(0))];
        return count;
    }

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<DriverProcess> driver;
    std::unique_ptr<ScriptedUnoPlayer> player;
};

TEST_F(RoundEndTest, ARoundClosesOnceAfterTheHumansTableHasSettled) {
    constexpr int kMaxCareers = 60;
    const CalendarEvent event = firstEnterableEvent("Uno", 64);
    ASSERT_FALSE(event.name.empty()) << "no Uno event of 64 players to enter";

    const std::set<std::string> wanted = {"a computer second with piu2", "a computer second with piu4",
                                          "the human second"};
    std::map<std::string, int> seen;
    int careers = 0;
    for (int career = 1; career <= kMaxCareers && seen.size() < wanted.size(); ++career) {
        ++careers;
        SCOPED_TRACE("career " + std::to_string(career));
        openCareer(event.week, 700.0 * career + 3);
        ASSERT_FALSE(HasFatalFailure());
        enterAndStart(event);
        ASSERT_FALSE(HasFatalFailure());
        // The dashboard's menu is not offered above the card table.
        EXPECT_FALSE(d().visible("Label1", 7)) << "the dashboard's \"Esci\" above the table";

        const UnoTournamentPlay play = player->playTournament();
        for (const UnoRound& round : play.rounds) {
            EXPECT_EQ(round.timersAtClose, std::vector<int>{})
                << round.caption << ": timers still running when \"PROSSIMO TURNO\" showed";
            const std::string ending = endingOf(round);
            if (wanted.count(ending)) ++seen[ending];
        }

        // With the prize board up, the dashboard below it cannot be reached, nor its menu.
        ASSERT_TRUE(d().visible("Picture7"));
        EXPECT_FALSE(d().send("click Label8").ok) << "\"Prossima Settimana\" clicked through the prize board";
        EXPECT_FALSE(d().send("click Label1 7").ok) << "the dashboard's \"Esci\" above the prize board";
        d().click("Label50");
        EXPECT_EQ(d().messages(), std::vector<std::string>{});
        EXPECT_EQ(storedNumber(d(), "settimana"), event.week + 1) << "one week, not two";
        EXPECT_TRUE(d().visible("Label1", 7)) << "the dashboard's menu is back";
        EXPECT_EQ(storedPlaces(event),
                  (std::map<int, int>{{1, 1}, {2, 1}, {3, 2}, {5, 4}, {9, 8}, {17, 16}, {33, 32}}))
            << "stored places after " << play.rounds.size() << " rounds";
        if (HasFailure()) break;
    }
    for (const std::string& ending : wanted)
        EXPECT_GT(seen[ending], 0) << "no round ended with " << ending << " in " << careers << " careers";
    std::cout << "  " << careers << " careers; rounds ended with";
    for (const auto& [ending, count] : seen)
        std::cout << " " << ending << ": " << count << ";";
    std::cout << std::endl;
}

TEST_F(RoundEndTest, TheStandingsBoardShowsTheClosedRoundOfTheHumansTable) {
    const CalendarEvent event = firstEnterableEvent("Uno", 64);
    ASSERT_FALSE(event.name.empty()) << "no Uno event of 64 players to enter";
    int checked = 0;
    for (int career = 1; career <= 3; ++career) {
        SCOPED_TRACE("career " + std::to_string(career));
        openCareer(event.week, 700.0 * career + 3);
        ASSERT_FALSE(HasFatalFailure());
        enterAndStart(event);
        ASSERT_FALSE(HasFatalFailure());
        const UnoTournamentPlay play = player->playTournament();
        for (const UnoRound& round : play.rounds) {
            // In the final every finisher is placed at once; the other rounds send two on.
            if (round.caption == "FINALE" || round.seatCards.size() != 4) continue;
            SCOPED_TRACE(round.caption);
            ++checked;
            ASSERT_EQ(round.boardCards.size(), 4u) << "the board shows the four of the human's table";
            // The board is the human's table as it closed: the same cards left as its counters,
            // the two with empty hands (0 cards) marked "V".
            std::vector<std::string> counters, shown;
            for (int cards : round.seatCards)
                if (cards > 0) counters.push_back(std::to_string(cards));
            for (const std::string& cards : round.boardCards)
                if (!cards.empty() && cards != "0") shown.push_back(cards);
            std::sort(counters.begin(), counters.end());
            std::sort(shown.begin(), shown.end());
            EXPECT_EQ(shown, counters);
            EXPECT_EQ(std::count(round.boardGoesOn.begin(), round.boardGoesOn.end(), "V"), 2);
        }
    }
    EXPECT_GT(checked, 2) << "too few rounds closed to check the board";
}

} // namespace
} // namespace velmora::test
