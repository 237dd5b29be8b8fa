// "Salta al risultato" at each game, through velmora-driver with the real timers ticking: a player
// who skips to the round's result, sooner or later after the button comes up, and presses
// "PROSSIMO TURNO" the instant it shows, ends with the very tournament a player who waits ends
// with: the same stored places, prizes and points of every entrant, the same money and the same
// count of random draws. A second click on the button finds nothing left to do.

#include "EnteredTournament.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

// What a tournament leaves in the career once its prize board is closed.
struct StoredTournament {
    std::vector<std::vector<std::string>> results; // every tornei row of the event
    long money = 0;
    long randomCounter = 0; // "nummag": how far the game's random sequence has run
    bool operator==(const StoredTournament&) const = default;
};

void PrintTo(const StoredTournament& stored, std::ostream* out) {
    *out << stored.results.size() << " results, money " << stored.money << ", random counter "
         << stored.randomCounter << ";";
    for (const auto& row : stored.results) {
        *out << "\n ";
        for (const std::string& field : row)
            *out << " " << field;
    }
}

// How the player meets the end of his part of each round.
struct Skipping {
    bool skip = false;
    int stepsShown = 0; // half-second steps the button has been up before he clicks it
};

struct Play {
    StoredTournament stored;
    int skips = 0;      // rounds he skipped
    int shownSteps = 0; // steps at which the button was up
};

class RoundSkipTest : public ::testing::TestWithParam<std::string> {
  protected:
    CalendarEvent sixtyFourPlayerEvent() {
        CalendarEvent event = firstEnterableEvent(GetParam(), 64);
        if (event.name.empty()) throw DriverFailure("no 64-player " + GetParam() + " event");
        return event;
    }

    Play play(const CalendarEvent& event, const Skipping& skipping) {
        EnteredTournament entered(event);
        DriverProcess& d = entered.driver();
        d.click("Label39");
        // The pace can be chosen at the table; on the driver's clock it changes nothing.
        d.run("choose Combo12 Rapida");

        Play result;
        int shownFor = 0;
        auto beforeStep = [&] {
            if (!d.visible("Label55")) {
                shownFor = 0;
                return;
            }
            ++result.shownSteps;
            // The button shows only while the human has nothing left to do.
            EXPECT_FALSE(d.visible("Label42"));
            EXPECT_FALSE(d.visible("Label49"));
            if (!skipping.skip || shownFor++ < skipping.stepsShown) return;
            d.click("Label55");
            ++result.skips;
            EXPECT_TRUE(d.visible("Label49") || d.visible("Picture7")) << "the round is not closed";
            for (int timer = 1; timer <= 8; ++timer)
                EXPECT_FALSE(d.timerEnabled(timer)) << "Timer" << timer << " runs on a closed round";
            EXPECT_FALSE(d.send("click Label55").ok) << "a second click on a skipped round";
        };
        entered.playScripted(beforeStep);
        EXPECT_TRUE(d.visible("Picture7"));
        d.click("Label50");
        EXPECT_EQ(d.messages(), std::vector<std::string>{});
        result.stored.results = d.query("SELECT * FROM tornei where torneo='" + sqlText(event.name) +
                                        "' order by posizione, cognome, nome");
        result.stored.money = storedNumber(d, "tuodenaro");
        result.stored.randomCounter = storedNumber(d, "nummag");
        return result;
    }
};

TEST_P(RoundSkipTest, SkippingAtAnyMomentStoresTheTournamentWaitingStores) {
    const CalendarEvent event = sixtyFourPlayerEvent();
    const Play waited = play(event, {});
    ASSERT_EQ(waited.stored.results.size(), 64u);
    ASSERT_GT(waited.shownSteps, 0) << "the button never came up";
    EXPECT_EQ(waited.skips, 0);
    // Skipped at once, a step later, and well into the wait: every moment the button is up.
    for (int steps : {0, 1, 4}) {
        SCOPED_TRACE("skipped after " + std::to_string(steps) + " steps with the button up");
        const Play skipped = play(event, {true, steps});
        EXPECT_GT(skipped.skips, 0);
        EXPECT_EQ(skipped.stored, waited.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(Games, RoundSkipTest, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace velmora::test
