// Whole Hearts tournaments played at the table through velmora-driver with the real timers ticking:
// a scripted human passes his first three cards, plays the first card the table takes whenever it
// is his turn, presses "PROSSIMO TURNO" and "INIZIA", and the prize board stores every place of the
// field. The week-51 season final is played by a human among the eight best of Hearts, entered by
// the dashboard.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "ScriptedHeartsPlayer.h"

#include "data/Database.h"
#include "support/AppFolder.h"
#include "support/WorldBuilder.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

constexpr int kHeartsFinalWeek = 51;
// The computer players hold 0..3000 points in every game: with more the human is surely among the
// eight best of Hearts.
constexpr int kQualifyingPoints = 4000;
// A Hearts hand shares out thirteen hearts and the queen of spades.
constexpr int kHandPoints = 26;

void openCareer(DriverProcess& d, const WorldOptions& world) {
    d.run("load");
    d.click("Label1", 1);
    d.click("Label1", 4);
    ASSERT_EQ(d.messages(), std::vector<std::string>{});
    ASSERT_TRUE(d.visible("Picture2")) << "no dashboard after \"Carica\"";
    ASSERT_EQ(d.caption("Label1", 14), "Prossimi Eventi Settimana " + std::to_string(world.week));
}

// Plays the tournament from the table screen to the closed prize board and checks what was stored.
HeartsTournamentPlay playAndCheck(DriverProcess& d, const CalendarEvent& event) {
    EXPECT_TRUE(d.visible("Picture5")) << "no table";
    EXPECT_EQ(d.caption("Label38", 11).size(), 135u) << "the Hearts scoreboard header";

    ScriptedHeartsPlayer player(d);
    const HeartsTournamentPlay play = player.playTournament();
    EXPECT_TRUE(d.visible("Picture7"));
    EXPECT_EQ(play.cardsPlayed, 13 * play.rounds) << "the human plays every hand out";
    EXPECT_EQ(play.cardsPassed, 3 * play.rounds);
    EXPECT_EQ(static_cast<int>(play.handPoints.size()), play.rounds);
    for (int points : play.handPoints)
        EXPECT_EQ(points, kHandPoints) << "points shared out at his table";
    EXPECT_EQ(play.turnsWithoutWatch, 0) << "turns at which the scoreboard was no longer redrawn";
    // His table's standings board shows the whole hand played: no cards left, two out, two through.
    for (size_t hand = 0; hand < play.handPoints.size(); ++hand) {
        SCOPED_TRACE("hand " + std::to_string(hand + 1));
        EXPECT_EQ(play.emptyHandsAtClose.at(hand), 4);
        EXPECT_EQ(play.outAtClose.at(hand), 2);
        EXPECT_EQ(play.throughAtClose.at(hand), 2);
    }
    // Another table whose hand is over already shows its two losers while his hand goes on.
    for (int out : play.outAtOtherTable)
        EXPECT_EQ(out, 2) << "losers marked at another table";
    d.click("Label50");
    EXPECT_EQ(d.messages(), std::vector<std::string>{});
    std::map<int, int> stored;
    for (const auto& row : d.query("SELECT posizione FROM tornei where torneo='" + sqlText(event.name) + "'"))
        ++stored[std::stoi(row.at(0))];
    EXPECT_EQ(stored, expectedPlaces(event.entrants));
    std::cout << "  " << event.name << ", " << event.entrants << " players: " << play.rounds
              << " rounds played, " << play.ticks / 2 << " s on the table clock" << std::endl;
    return play;
}

TEST(HeartsTournamentTest, WholeTournamentsReachThePrizeBoardWithEveryPlaceStored) {
    std::vector<CalendarEvent> events;
    for (int size : {64, 128}) {
        if (CalendarEvent event = firstEnterableEvent("Hearts", size); !event.name.empty()) events.push_back(event);
    }
    ASSERT_EQ(events.size(), 2u) << "Hearts events of 64 and 128 players in the calendar";
    for (const CalendarEvent& event : events) {
        SCOPED_TRACE(event.name + ", " + std::to_string(event.entrants) + " players");
        AppFolder folder;
        WorldOptions world;
        world.week = event.week;
        {
            Database database(Database::connectionString(folder.path()));
            buildWorld(database, world);
        }
        DriverProcess d(VELMORA_DRIVER, folder.path());
        openCareer(d, world);
        if (HasFatalFailure()) return;
        const int slot = dashboardSlot(d, event);
        ASSERT_GE(slot, 0) << "the event is not listed on the dashboard";
        d.click("Label6", slot);
        d.click("Label39");
        ASSERT_EQ(d.messages(), std::vector<std::string>{});
        const HeartsTournamentPlay play = playAndCheck(d, event);
        EXPECT_FALSE(play.outAtOtherTable.empty()) << "the other tables finished after his own";
    }
}

TEST(HeartsTournamentTest, SeasonFinalOfTheEightBestIsPlayedToItsPlaces) {
    AppFolder folder;
    WorldOptions world;
    world.week = kHeartsFinalWeek;
    world.humanPoints = kQualifyingPoints;
    {
        Database database(Database::connectionString(folder.path()));
        buildWorld(database, world);
    }
    DriverProcess d(VELMORA_DRIVER, folder.path());
    openCareer(d, world);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(amongEightBest(d, "Hearts", world.surname, world.firstName));
    const auto events = weekEvents(d, kHeartsFinalWeek);
    ASSERT_EQ(events.size(), 1u) << "events of the final's week";
    const CalendarEvent& final = events.front();
    ASSERT_EQ(final.game, "Hearts");
    ASSERT_EQ(final.entrants, 8);
    ASSERT_TRUE(d.visible("Label39")) << "no \"Gioca Torneo\" for a player among the eight best";
    d.click("Label39");
    ASSERT_EQ(d.messages(), std::vector<std::string>{});
    EXPECT_EQ(d.property("Combo7", "items"), "1|2") << "tables of the first round";
    const HeartsTournamentPlay play = playAndCheck(d, final);
    EXPECT_EQ(play.rounds, 2) << "this career's human goes through to the final table";
    EXPECT_EQ(play.outAtOtherTable.size(), 1u) << "the first round's other table, seen once";
}

} // namespace
} // namespace velmora::test
