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

TEST(BrisoloTournamentTest, WholeTournamentsReachThePrizeBoardWithEveryPlaceStored) {
    std::vector<CalendarEvent> events;
    {
        AppFolder shipped;
        DriverProcess reader(VELMORA_DRIVER, shipped.path());
        reader.run("load");
        for (int size : {8, 64, 128}) {
            const auto found = calendarEvents(
                reader, "gioco='Brisolo' and giocatori=" + std::to_string(size) +
                            " and iscrizione>0 and nazione<>'conti' and torneo not like '%''%' "
                            "order by settimana asc");
            if (!found.empty()) events.push_back(found.front());
        }
    }
    ASSERT_FALSE(events.empty()) << "no Brisolo event to enter";
    for (const CalendarEvent& event : events) {
        SCOPED_TRACE(event.name + ", " + std::to_string(event.entrants) + " players");
        AppFolder folder;
        {
            Database database(Database::connectionString(folder.path()));
            WorldOptions world;
            world.week = event.week;
            buildWorld(database, world);
        }
        DriverProcess d(VELMORA_DRIVER, folder.path());
        d.run("load");
        d.click("Label1", 1);
        d.click("Label1", 4);
        ASSERT_TRUE(d.visible("Picture2"));
        int slot = -1;
        for (int i = 0; i < 4 && slot < 0; ++i) {
            if (d.visible("Label5", i) && d.caption("Label5", i).rfind(event.name, 0) == 0) slot = i;
        }
        ASSERT_GE(slot, 0) << "the event is not listed on the dashboard";
        d.click("Label6", slot);
        d.click("Label39");
        ASSERT_EQ(d.messages(), std::vector<std::string>{});
        ASSERT_TRUE(d.visible("Picture5"));
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

} // namespace
} // namespace velmora::test
