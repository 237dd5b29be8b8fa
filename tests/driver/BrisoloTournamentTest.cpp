// Whole Brisolo tournaments played at the table through velmora-driver with the real timers
// ticking: a scripted human plays his first card whenever it is his turn, presses "PROSSIMO TURNO"
// and "INIZIA", and the prize board stores every place of the field.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "ScriptedBrisoloPlayer.h"

#include "data/Database.h"
#include "support/AppFolder.h"
#include "support/WorldBuilder.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

// A world in the event's week, with the event entered from the dashboard and "Gioca Torneo" pressed.
void openEvent(DriverProcess& d, const CalendarEvent& event) {
    d.run("load");
    d.click("Label1", 1);
    d.click("Label1", 4);
    ASSERT_TRUE(d.visible("Picture2"));
    const int slot = dashboardSlot(d, event);
    ASSERT_GE(slot, 0) << "the event is not listed on the dashboard";
    d.click("Label6", slot);
    d.click("Label39");
    ASSERT_EQ(d.messages(), std::vector<std::string>{});
    ASSERT_TRUE(d.visible("Picture5"));
}

void buildWorldFor(const AppFolder& folder, const CalendarEvent& event) {
    Database database(Database::connectionString(folder.path()));
    WorldOptions world;
    world.week = event.week;
    buildWorld(database, world);
}

TEST(BrisoloTournamentTest, WholeTournamentsReachThePrizeBoardWithEveryPlaceStored) {
    std::vector<CalendarEvent> events;
    for (int size : {8, 64, 128}) {
        if (CalendarEvent event = firstEnterableEvent("Brisolo", size); !event.name.empty()) events.push_back(event);
    }
    ASSERT_FALSE(events.empty()) << "no Brisolo event to enter";
    for (const CalendarEvent& event : events) {
        SCOPED_TRACE(event.name + ", " + std::to_string(event.entrants) + " players");
        AppFolder folder;
        buildWorldFor(folder, event);
        DriverProcess d(VELMORA_DRIVER, folder.path());
        openEvent(d, event);
        if (::testing::Test::HasFatalFailure()) return;
        EXPECT_EQ(d.caption("Label38", 11).size(), 131u);

        ScriptedBrisoloPlayer player(d);
        const BrisoloTournamentPlay play = player.playTournament();
        ASSERT_TRUE(d.visible("Picture7"));
        EXPECT_GE(play.cardsPlayed, 13);
        EXPECT_EQ(play.cardsPlayed, 13 * play.rounds) << "the human plays every hand out";
        // Every hand he played shared out the 52 cards' 416 points.
        for (size_t at = 0; at < play.handPoints.size(); at += 4)
            EXPECT_EQ(play.handPoints.substr(at, 3), "416") << play.handPoints;
        d.click("Label50");
        EXPECT_EQ(d.messages(), std::vector<std::string>{});
        std::map<int, int> stored;
        for (const auto& row : d.query("SELECT posizione FROM tornei where torneo='" + event.name + "'"))
            ++stored[std::stoi(row.at(0))];
        EXPECT_EQ(stored, expectedPlaces(event.entrants));
        std::cout << "  " << event.entrants << " players: " << play.rounds << " rounds played, "
                  << play.ticks / 2 << " s on the table clock" << std::endl;
    }
}

// He plays his thirteen cards, leaves while the other tables hurry to the end of the round, and
// starts the tournament again: the new table is laid fresh, its other tables at their own pace.
TEST(BrisoloTournamentTest, ATableLeftWhileTheOthersFinishLeavesNothingToTheNextOne) {
    CalendarEvent event;
    {
        AppFolder shipped;
        DriverProcess reader(VELMORA_DRIVER, shipped.path());
        reader.run("load");
        const auto found = calendarEvents(reader, "gioco='Brisolo' and giocatori=64 and nazione<>'conti' "
                                                  "and torneo not like '%''%' order by settimana asc");
        ASSERT_FALSE(found.empty()) << "no Brisolo event of 64 players";
        event = found.front();
    }
    AppFolder folder;
    buildWorldFor(folder, event);
    DriverProcess d(VELMORA_DRIVER, folder.path());
    openEvent(d, event);
    if (::testing::Test::HasFatalFailure()) return;

    d.click("Label42");
    for (int step = 0; step < 2000 && !d.visible("Label38", 21); ++step) {
        if (!d.timerEnabled(6) && !d.visible("Image9", 3)) {
            for (int slot = 0; slot < 27; ++slot) {
                if (!d.visible("Image11", slot)) continue;
                d.click("Image11", slot);
                break;
            }
        }
        d.run("advance 500");
    }
    ASSERT_TRUE(d.visible("Label38", 21)) << "his hand never ended";
    ASSERT_EQ(d.value("get Timer5 interval"), "200") << "the other tables hurry while he waits";
    d.run("answer yes");
    d.click("Label41");
    ASSERT_FALSE(d.visible("Picture5"));
    ASSERT_EQ(d.messages().size(), 1u);

    d.click("Label39");
    ASSERT_TRUE(d.visible("Picture5"));
    EXPECT_TRUE(d.visible("Label42"));
    EXPECT_FALSE(d.visible("Label38", 21)) << "the waiting notice before the first card";
    EXPECT_EQ(d.value("get Timer5 interval"), "7000");
    EXPECT_EQ(d.property("Image10", 3, "picture"), "\\immagini\\52\\dietro.jpg");
    d.click("Label42");
    EXPECT_TRUE(d.timerEnabled(5));
    EXPECT_EQ(d.value("get Timer5 interval"), "7000");
    // Three seconds on, no other table has played a manche yet: another table's four still hold 13.
    d.run("advance 3000");
    EXPECT_FALSE(d.visible("Label38", 21));
    d.run(std::string("choose Combo7 ") + (d.caption("Label38", 10) == "TAVOLO 1" ? "2" : "1"));
    EXPECT_EQ(valueLines(d.caption("Label38", 6)), std::vector<std::string>(4, "13"));
}

} // namespace
} // namespace velmora::test
