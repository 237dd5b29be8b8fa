// The calendar: a week's events with pool, points on offer, field and fee; the standings of the
// chosen event with each finisher's world place; the tiers paid below the listed finishers.

#include "rankings/EventCalendar.h"
#include "game/rankings/RecordsFixture.h"

namespace velmora::test {
namespace {

const std::string kCalendarHeader = "Naz Torneo" + std::string(57, ' ') + "Montepremi" + std::string(6, ' ') +
                                    "Punti" + std::string(7, ' ') + "Gioc." + std::string(10, ' ') +
                                    "Iscrizione";
const std::string kResultsHeader =
    "Naz   Pos  Giocatore" + std::string(63, ' ') + "Premio €" + std::string(14, ' ') + "Punti";

class EventCalendarTest : public RecordsTest {
  protected:
    // Stores a result of an event for a player of the world.
    void addResult(const std::string& event, int player, int place, int points, int prize, int week = 6) {
        Rows row =
            form->db().query("SELECT cognome, nome, nazionalita FROM giocatori WHERE cognome='Cognome" +
                             std::to_string(player) + "'");
        form->db().insert("tornei", {{"torneo", event},
                                     {"tipo", "Uno"},
                                     {"cognome", row.at(0, 0)},
                                     {"nome", row.at(1, 0)},
                                     {"nazionalita", row.at(2, 0)},
                                     {"posizione", place},
                                     {"punti", points},
                                     {"premio", prize},
                                     {"settimana", week}});
    }
    int resultFlags() {
        int shown = 0;
        for (int k = 4; k < 20; ++k)
            shown += c("Image7", k).visible ? 1 : 0;
        return shown;
    }
};

TEST_F(EventCalendarTest, WeekLinesGivePoolPointsFieldAndFee) {
    open({.week = 6});
    clickOk("Label1", 5);
    EXPECT_TRUE(c("Picture4").visible);
    EXPECT_EQ(c("Combo6").text, "6");
    EXPECT_EQ(c("Label28").text, kCalendarHeader);
    EXPECT_EQ(c("Label31").text, kResultsHeader);
    // By importance, then name: Cork (level 1), the national championship and Dublino (2), Parigi (3).
    EXPECT_EQ(lines(c("Label24").text),
              (std::vector<std::string>{"Challenger di Cork", "Campionato Nazionale di Brisolo",
                                        "Open di Dublino", "Masters di Parigi"}));
    // Cork, 64 players at level 1: 4000 + 2200 + 2x1200 + 4x650 + 8x350 + 16x180 + 32x80 euro and
    // 100 + 60 + 2x36 + 4x18 + 8x9 + 16x4 + 32x1 points. The championship has no pool, points or fee.
    const auto pools = lines(c("Label25").text);
    const auto points = lines(c("Label26").text);
    const auto fees = lines(c("Label30").text);
    ASSERT_EQ(pools.size(), 4u);
    EXPECT_EQ(pools[0], "€19440");
    EXPECT_EQ(points[0], "472");
    EXPECT_EQ(fees[0], "€200");
    EXPECT_EQ(pools[1], "");
    EXPECT_EQ(points[1], "");
    EXPECT_EQ(fees[1], "");
    EXPECT_EQ(lines(c("Label27").text), (std::vector<std::string>{"64", "64", "128", "128"}));
    EXPECT_EQ(c("Image7", 0).picture, "\\immagini\\flags\\ie.jpg");
    EXPECT_TRUE(c("Image7", 0).visible);
    EXPECT_FALSE(c("Image7", 1).visible);
    EXPECT_TRUE(c("Label29", 0).visible);
    EXPECT_FALSE(c("Label29", 1).visible);
    EXPECT_TRUE(c("Label29", 3).visible);
    EXPECT_EQ(c("Shape2").top, 975);
    EXPECT_EQ(form->eventCalendar().selectedEvent, 0);
    // Nothing played yet: no result lines, no tiers.
    EXPECT_EQ(c("Label33").text, "");
    EXPECT_EQ(c("Label37").text, "");
    EXPECT_EQ(resultFlags(), 0);
}

TEST_F(EventCalendarTest, StandingsListSixteenFinishersAndTheTiersBelowThem) {
    open({.week = 6});
    // Twenty finishers of Cork, placed as the level-1 tiers pay them (places 9..16 share 9 points).
    const int places[] = {1, 2, 3, 3, 5, 5, 5, 5, 9, 9, 9, 9, 9, 9, 9, 9, 9, 17, 17, 17};
    const int points[] = {100, 60, 36, 36, 18, 18, 18, 18, 9, 9, 9, 9, 9, 9, 9, 9, 9, 4, 4, 4};
    for (int i = 0; i < 20; ++i)
        addResult("Challenger di Cork", 100 + i, places[i], points[i], 1000 - i);
    clickOk("Label1", 5);
    const auto names = lines(c("Label33").text);
    ASSERT_EQ(names.size(), 16u);
    EXPECT_EQ(resultFlags(), 16);
    EXPECT_EQ(lines(c("Label32").text)[15], "9");
    // Each finisher's current world place, counted over the players by overall points.
    const auto all = players();
    for (const std::string& line : names) {
        const std::string name = line.substr(0, line.find('('));
        const Player& p = find(all, name);
        EXPECT_EQ(line,
                  name + "(" + std::to_string(placeOf(all, p, 0, [](const Player&) { return true; })) + ")");
    }
    // Below 9 points: the 17-32 tier (4 points) and the 33-64 tier (a single point).
    EXPECT_EQ(c("Label37").text, "17-32\n€180\n4 Punti\n\n33-64\n€80\n1 Punto\n\n");
    for (int s = 0; s < 8; ++s)
        EXPECT_TRUE(c("Label36", s).visible) << s;

    // The link of the last line moves the frame to it and shows that event (not played: empty).
    clickOk("Label29", 3);
    EXPECT_EQ(c("Shape2").top, c("Label29", 3).top - 30);
    EXPECT_EQ(form->eventCalendar().selectedEvent, 3);
    EXPECT_EQ(c("Label33").text, "");
    EXPECT_EQ(resultFlags(), 0);
}

TEST_F(EventCalendarTest, TheLeaderShowsOneAndAWeekWithoutEventsKeepsTheResults) {
    open({.week = 6, .humanPoints = 100000});
    addResult("Challenger di Cork", 5, 1, 100, 4000);
    form->db().execute("UPDATE tornei SET cognome='Rossi', nome='Mario' WHERE torneo='Challenger di Cork'");
    clickOk("Label1", 5);
    EXPECT_EQ(c("Label33").text, "Rossi Mario(1)\n");
    // Tiers worth fewer than 100 points: every tier after the winner's.
    EXPECT_EQ(lines(c("Label37").text).front(), "2-2");

    // A week without events hides the lines and leaves the standings as they were.
    form->db().execute("UPDATE calendario SET settimana=99 WHERE settimana=7");
    chooseOk("Combo6", "7");
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(c("Image7", i).visible);
        EXPECT_FALSE(c("Label29", i).visible);
    }
    EXPECT_EQ(c("Label24").text, "");
    EXPECT_EQ(c("Label33").text, "Rossi Mario(1)\n");
}

TEST_F(EventCalendarTest, AChampionshipOnTheFirstLineStillShowsItsStandings) {
    open({.week = 15});
    addResult("Campionato Nazionale di Uno", 7, 1, 250, 0, 15);
    clickOk("Label1", 5);
    EXPECT_EQ(lines(c("Label24").text).front(), "Campionato Nazionale di Uno");
    EXPECT_FALSE(c("Image7", 0).visible);
    EXPECT_FALSE(c("Label29", 0).visible);
    EXPECT_EQ(lines(c("Label33").text).size(), 1u);
}

} // namespace
} // namespace velmora::test
