// A whole tournament of each game played by keys alone through velmora-driver, with the real timers
// ticking: Enter starts it, the rule sheet opens with F1 and closes with Esc, the arrows and Enter or
// Space play the cards, and Enter closes the prize board. The dashboard's summary that follows must
// give the very fee, prize, points and world positions the career stored.

#include "EnteredTournament.h"
#include "KeyboardPlayer.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

// The human's place in the world ranking as the dashboard orders it.
std::string worldPosition(DriverProcess& d, const WorldOptions& world) {
    const auto rows = d.query("SELECT cognome, nome FROM giocatori order by totalepunti desc,cognome asc");
    for (size_t r = 0; r < rows.size(); ++r)
        if (rows[r].at(0) == world.surname && rows[r].at(1) == world.firstName) return std::to_string(r + 1);
    return "-";
}

// The round he went out in (or the final), named as the table named it, and his stored place.
std::string roundReached(int roundsPlayed, int entrants, long place) {
    std::vector<std::string> names;
    int unnamed = 0;
    for (int players = entrants; players >= 4; players /= 2) {
        names.push_back(players == 32 ? "OTTAVI"
                        : players == 16 ? "QUARTI"
                        : players == 8  ? "SEMIFINALI"
                        : players == 4  ? "FINALE"
                                        : std::to_string(++unnamed) + "° TURNO");
    }
    return names.at(static_cast<size_t>(roundsPlayed - 1)) + ", " + std::to_string(place) + "° posto";
}

// Every short word of a board header is explained in the header's tooltip, and a column beneath a
// word explains that word.
void expectHeaderExplained(DriverProcess& d, int header, int column, const std::string& word) {
    const std::string tip = d.property("Label38", header, "tooltip");
    std::istringstream words(d.caption("Label38", header));
    for (std::string w; words >> w;) {
        if (w == "Giocatore") continue;
        EXPECT_NE(tip.find(w + ": "), std::string::npos)
            << "header " << header << " leaves " << w << " unexplained";
    }
    EXPECT_EQ(d.property("Label38", column, "tooltip").rfind(word + ": ", 0), 0u) << "column " << column;
}

class KeyboardPlayTest : public ::testing::TestWithParam<std::string> {};

TEST_P(KeyboardPlayTest, AWholeTournamentByKeysAloneEndsInASummaryOfWhatWasStored) {
    const std::string game = GetParam();
    const CalendarEvent event = firstEnterableEvent(game, 64);
    ASSERT_FALSE(event.name.empty()) << "no " << game << " event to enter";
    EnteredTournament entered(event);
    DriverProcess& d = entered.driver();
    const WorldOptions& world = entered.world();
    EXPECT_NE(d.property("Label7", entered.slot(), "tooltip"), "") << "the entry marker does not say a click withdraws";
    d.run("key Return"); // "Gioca Torneo"
    ASSERT_TRUE(d.visible("Picture5"));
    expectHeaderExplained(d, 11, 17, "El");

    // The rule sheet: F1 opens it, Esc closes it without a word; with it closed Esc asks to leave.
    d.run("key F1");
    EXPECT_TRUE(d.visible("Picture6"));
    d.run("key Escape");
    EXPECT_FALSE(d.visible("Picture6"));
    EXPECT_EQ(d.messages(), std::vector<std::string>{});
    d.run("answer no");
    d.run("key Escape");
    EXPECT_EQ(d.messages().size(), 1u) << "Esc at the table must ask before leaving";
    ASSERT_TRUE(d.visible("Picture5"));

    const long moneyBefore = storedNumber(d, "tuodenaro");
    const std::string positionBefore = worldPosition(d, world);
    KeyboardPlayer player(d);
    const KeyboardPlay play = player.playTournament();
    ASSERT_TRUE(d.visible("Picture7"));
    EXPECT_GE(play.cardsPlayed, game == "Uno" ? 1 : 13);
    EXPECT_GT(play.frameMoves, 0);
    EXPECT_EQ(play.dimmedFramed, 0) << "the frame stood on a card the rules refuse";
    EXPECT_EQ(play.keysPastResult, 0) << "an Enter ran on past the closed round";
    if (game == "Hearts") {
        EXPECT_EQ(play.cardsPassed, 3 * play.rounds);
    }
    expectHeaderExplained(d, 9, 6, "Car");
    std::cout << "  " << game << ": " << play.rounds << " rounds, " << play.cardsPlayed << " cards, "
              << play.draws << " draws, " << play.passes << " passes, " << play.colours << " colours, "
              << play.ticks / 2 << " s on the table clock" << std::endl;

    // The prize board waits half a second of the table clock before Enter closes it.
    EXPECT_FALSE(d.send("key Return").ok) << "an Enter ran on past the prize board";
    ASSERT_TRUE(d.visible("Picture7"));
    d.run("advance 500");
    d.run("key Return"); // the prize board's continue button
    ASSERT_TRUE(d.visible("Picture2"));
    ASSERT_TRUE(d.visible("Picture11")) << "no week's report after the prize board";
    ASSERT_TRUE(d.visible("Label57")) << "no summary of his tournament in the report";
    const auto stored = d.query("SELECT punti, premio, posizione FROM tornei where torneo='" + sqlText(event.name) +
                                "' and cognome='" + world.surname + "' and nome='" + world.firstName + "'");
    ASSERT_EQ(stored.size(), 1u);
    const long points = number(stored[0].at(0));
    const long prize = number(stored[0].at(1));
    EXPECT_EQ(storedNumber(d, "tuodenaro"), moneyBefore - event.fee + prize);
    const std::string positionAfter = worldPosition(d, world);
    EXPECT_EQ(valueLines(d.caption("Label1", 15)).at(0), positionAfter);
    EXPECT_EQ(
        valueLines(d.caption("Label57")),
        (std::vector<std::string>{"Ultimo torneo: " + event.name + "  -  " +
                                      roundReached(play.rounds, event.entrants, number(stored[0].at(2))),
                                  "Iscrizione €" + std::to_string(event.fee) + "  -  Premio €" +
                                      std::to_string(prize) + "  -  Punti vinti " + std::to_string(points),
                                  "Posizione mondiale: prima " + positionBefore + ", ora " + positionAfter}));
    // Enter closes the report; an Enter too many after it never moves the week on, and the summary
    // goes with its week.
    const long week = storedNumber(d, "settimana");
    d.run("key Return");
    EXPECT_FALSE(d.visible("Picture11"));
    EXPECT_FALSE(d.send("key Return").ok) << "Enter on the dashboard with no entry must do nothing";
    EXPECT_EQ(storedNumber(d, "settimana"), week);
    d.click("Label8");
    EXPECT_FALSE(d.visible("Label57"));
}

INSTANTIATE_TEST_SUITE_P(EachGame, KeyboardPlayTest, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace velmora::test
